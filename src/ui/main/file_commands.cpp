#include "ui/main/file_commands.h"

#include "io/design_file.h"

namespace flange {

namespace {

const QString messageTitle = QStringLiteral("ペルグリン");

} // namespace

bool FileCommands::open(StepFlow& flow)
{
    const QString path = prompts_.askOpenPath(rememberedName_);
    if (path.isEmpty())
        return false;
    rememberedName_ = path;
    DesignInputs inputs;
    const DesignFileResult result = readDesignFile(path, inputs);
    if (!result.ok) {
        prompts_.warn(messageTitle, result.error);
        return false;
    }
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
    const DesignFileResult result = writeDesignFile(path, inputsOf(record));
    if (!result.ok)
        prompts_.warn(messageTitle, result.error);
    return result.ok;
}

} // namespace flange
