#include "ui/main/file_commands.h"

#include "io/design_file.h"
#include "ui/main/file_error_text.h"

namespace flange {

namespace {

const QString messageTitle = QStringLiteral("ペルグリン");

} // namespace

bool FileCommands::open(StepFlow& flow)
{
    const QString path = prompts_.askOpenPath(rememberedName_);
    return !path.isEmpty() && openPath(flow, path);
}

bool FileCommands::openPath(StepFlow& flow, const QString& path)
{
    rememberedName_ = path;
    const DesignFileRead read = readDesignFile(path);
    if (read.error) {
        prompts_.warn(messageTitle, fileErrorText(*read.error));
        return false;
    }
    const DesignInputs& inputs = read.inputs;
    lastOpenedPath_ = path;
    flow.openDesign(inputs);
    return true;
}

bool FileCommands::saveAs(const DesignRecord& record)
{
    const QString path = prompts_.askSavePath(rememberedName_);
    if (path.isEmpty())
        return false;
    rememberedName_ = path;
    lastSavedPath_ = path;
    const FileOutcome failure = writeDesignFile(path, inputsOf(record));
    if (failure)
        prompts_.warn(messageTitle, fileErrorText(*failure));
    return !failure;
}

} // namespace flange
