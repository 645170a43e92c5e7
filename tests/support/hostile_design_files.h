#pragma once

// Design files that are not what Save As writes, made from the worked example's file: fields that
// are not code page 932 and files cut or edited by hand. The window's Open and the checker are
// tested with the same rows: each is read as the format says, and what reading noticed is told.

#include <QByteArray>
#include <QFile>

#include <stdexcept>
#include <vector>

namespace flange::testing {

struct HostileDesignFile {
    const char* name;
    QByteArray bytes;
    const char* unreadable = nullptr;      // the field the unreadable-field hint names, if any
    std::vector<const char*> departures{}; // what the file-form hint says, if any
};

inline QByteArray workedExampleBytes()
{
    QFile file(QStringLiteral(FLANGE_EXAMPLES_DIR "/worked-example.sou"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the worked example cannot be read");
    return file.readAll();
}

inline std::vector<HostileDesignFile> hostileDesignFiles()
{
    const QByteArray saved = workedExampleBytes();
    const auto edited = [&saved](const char* from, const char* to) {
        return QByteArray(saved).replace(from, to);
    };
    const QByteArray utf8 = QByteArray(saved).replace("\x82\x6c", "\xEF\xBC\xAD"); // "Ｍ"
    return {
        {"saved as UTF-8", utf8, "「使用ボルト」"},
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF" + utf8,
         "「使用ボルト」",
         {"バイト順マーク", "引用符で囲まれていない"}},
        {"stray lead byte", edited("\"8\"", "\"8\x81\""), "「使用本数」"},
        {"cut copy", saved.left(71), nullptr, {"引用符が閉じていません", "項目が13個"}},
        {"16 fields", edited(",\"0.12\"", ""), nullptr, {"項目が16個"}},
        {"18 fields", edited("\"0.12\"", "\"0.12\",\"1\""), nullptr, {"項目が18個"}},
        {"text after a quote", edited("\"8\"", "\"8\"x"), nullptr, {"引用符のあとに"}},
        {"unquoted number", edited("\"8\"", "8"), nullptr, {"引用符で囲まれていない"}},
        {"LF line ends", edited("\r\n", "\n"), nullptr, {"行の分け方", "CR LF"}},
        {"no line end at the end", saved.chopped(2), nullptr, {"CR LF"}},
    };
}

} // namespace flange::testing
