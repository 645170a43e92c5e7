#include "ui/main/file_commands.h"

#include "io/design_file.h"
#include "io/file_error_text.h"
#include "ui/common/program_name.h"

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
    rememberedName_ = path;
    const Result<DesignInputs> read = readDesignFile(path);
    if (!read) {
        prompts_.warn(messageTitle, fileErrorText(read.error(), ReasonPlacement::OwnLine));
        return false;
    }
    lastOpenedPath_ = path;
    flow.openDesign(read.value());
    return true;
}

bool FileCommands::saveAs(const DesignRecord& record)
{
    const QString path = prompts_.askSavePath(rememberedName_);
    if (path.isEmpty())
        return false;
    rememberedName_ = path;
    lastSavedPath_ = path;
    const Result<void> written = writeDesignFile(path, inputsOf(record));
    if (!written)
        prompts_.warn(messageTitle, fileErrorText(written.error(), ReasonPlacement::OwnLine));
    return written.ok();
}

} // namespace flange
