#include "ui/main/file_commands.h"

#include "io/design_file.h"
#include "io/file_error_text.h"
#include "ui/common/program_name.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace flange {

namespace {

const QString messageTitle = QString::fromUtf8(programName);

} // namespace

bool FileCommands::open(StepFlow& flow)
{
    const QString path = prompts_.askOpenPath(rememberedName_);
    return !path.isEmpty() && openPath(flow, path);
}

bool FileCommands::openPath(StepFlow& flow, const QString& path)
{
    Result<DesignFileRead> read = readDesignFile(path);
    // A name the file dialog could not show as text comes with replacement characters for the
    // bytes it lost, and so names no file.
    if (!read && read.error().kind == FileErrorKind::NotFound
        && path.contains(QChar::ReplacementCharacter))
        read.error().kind = FileErrorKind::NameNotUtf8;
    if (!take(flow, read, path))
        return false;
    designPath_ = path;
    return true;
}

bool FileCommands::openNativePath(StepFlow& flow, const QByteArray& nativePath)
{
    const QString path = QFile::decodeName(nativePath);
    if (QFile::encodeName(path) == nativePath)
        return openPath(flow, path);
    if (!take(flow, readDesignFile(nativePath, path), path))
        return false;
    designPath_.clear();
    return true;
}

bool FileCommands::take(StepFlow& flow, const Result<DesignFileRead>& read, const QString& path)
{
    rememberedName_ = path;
    if (!read) {
        prompts_.warn(messageTitle, fileErrorText(read.error(), ReasonPlacement::OwnLine));
        return false;
    }
    lastOpenedPath_ = path;
    designName_ = QFileInfo(path).fileName();
    readingHints_ = read.value().hints;
    hintsToTell_ = !readingHints_.empty();
    flow.openDesign(read.value().inputs);
    savedInputs_ = inputsOf(flow.record());
    return true;
}

void FileCommands::tellReadingHints()
{
    if (!hintsToTell_)
        return;
    hintsToTell_ = false;
    QStringList notes;
    for (const Hint& hint : readingHints_)
        notes << QString::fromStdString(hint.message);
    prompts_.warn(messageTitle, notes.join(u'\n'));
}

bool FileCommands::save(const DesignRecord& record)
{
    return designPath_.isEmpty() ? saveAs(record) : write(designPath_, record);
}

bool FileCommands::saveAs(const DesignRecord& record)
{
    const QString path = prompts_.askSavePath(rememberedName_);
    if (path.isEmpty())
        return false;
    rememberedName_ = path;
    lastSavedPath_ = path;
    return write(path, record);
}

bool FileCommands::write(const QString& path, const DesignRecord& record)
{
    const DesignInputs inputs = inputsOf(record);
    if (const Result<void> written = writeDesignFile(path, inputs); !written) {
        prompts_.warn(messageTitle, fileErrorText(written.error(), ReasonPlacement::OwnLine));
        return false;
    }
    designPath_ = path;
    designName_ = QFileInfo(path).fileName();
    savedInputs_ = inputs;
    return true;
}

bool FileCommands::settleChanges(const DesignRecord& record)
{
    if (!isChanged(record))
        return true;
    switch (prompts_.askSaveChanges(
        messageTitle, QStringLiteral("入力データは保存されていません。保存しますか？"))) {
    case UnsavedInputsChoice::Save: return save(record);
    case UnsavedInputsChoice::Discard: return true;
    case UnsavedInputsChoice::Cancel: return false;
    }
    return false;
}

std::vector<Hint> FileCommands::emptiedFieldHints(const DesignRecord& record) const
{
    std::vector<Hint> hints;
    for (const Hint& hint : readingHints_) {
        if (hint.kind == HintKind::UnreadableField
            && std::ranges::any_of(hint.fields,
                                   [&](TextField field) { return (record.*field).empty(); }))
            hints.push_back(hint);
    }
    return hints;
}

void FileCommands::startNewDesign()
{
    designPath_.clear();
    designName_.clear();
    savedInputs_ = {};
    readingHints_.clear();
}

} // namespace flange
