#include "io/reading_hints.h"

#include "calc/design_inputs.h"
#include "calc/hint_text.h"
#include "io/cp932_text.h"
#include "io/design_fields.h"

namespace flange {

namespace {

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

std::optional<Hint> unreadableFields(QByteArrayView bytes)
{
    const auto fields = splitDesignFields(bytes, inputFieldsInFileOrder.size());
    Hint hint{HintKind::UnreadableField, {}, {}, {}};
    std::vector<std::string> names;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!decodeCp932(fields[i])) {
            hint.fields.push_back(inputFieldsInFileOrder[i]);
            names.push_back("「" + hint_text::nameOf(inputFieldsInFileOrder[i]) + "」");
        }
    }
    if (names.empty())
        return std::nullopt;
    hint.message = "Shift_JIS（コードページ932）として読めない項目を空欄として読みました: "
                   + joined(names, "、") + "。保存すると空欄のまま書き込まれます。";
    return hint;
}

std::optional<Hint> fileForm(QByteArrayView bytes)
{
    const FieldLayout layout = inspectDesignFields(bytes);
    std::vector<std::string> departures;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        departures.push_back("先頭にバイト順マーク（BOM）があります");
    if (layout.unclosedQuote)
        departures.push_back("最後の項目の引用符が閉じていません（途中で切れたファイルかもしれま"
                             "せん）");
    if (layout.fields != inputFieldsInFileOrder.size())
        departures.push_back("項目が" + std::to_string(layout.fields)
                             + "個あります（保存形式は17個）");
    if (layout.textAfterQuote)
        departures.push_back("引用符のあとに余分な文字があります");
    if (layout.unquotedField)
        departures.push_back("引用符で囲まれていない項目があります");
    // Lines split otherwise are told only where the count is right; a missing or extra field
    // moves every line end anyway.
    if (!layout.linesAsSaved && layout.fields == inputFieldsInFileOrder.size())
        departures.push_back("行の分け方が保存形式（1行目に7項目、2行目に10項目）と異なります");
    if (!layout.unclosedQuote && !bytes.endsWith("\r\n"))
        departures.push_back("最後が改行（CR LF）で終わっていません");
    if (departures.empty())
        return std::nullopt;
    return Hint{.kind = HintKind::FileForm,
                .fields = {},
                .message = "ファイルの形が保存形式と異なります: " + joined(departures, "、"),
                .chart = std::nullopt};
}

} // namespace

std::vector<Hint> readingHints(QByteArrayView bytes)
{
    std::vector<Hint> hints;
    for (auto hint : {unreadableFields(bytes), fileForm(bytes)}) {
        if (hint)
            hints.push_back(std::move(*hint));
    }
    return hints;
}

} // namespace flange
