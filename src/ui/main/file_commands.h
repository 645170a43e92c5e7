#pragma once

// The File menu's Open and Save As, on the main window's step flow.
//
// One remembered file name serves both dialogs: each opens pre-filled with the name last chosen in
// either. Open reads and decodes the whole file before it touches the window; only a file that
// could be read resets the page and fills the seventeen inputs, and a file that cannot be read is
// reported by name with the window left exactly as it was. Save As writes the seventeen input texts
// as they stand; a text the file cannot hold, or a file that cannot be written, is reported.

#include "flow/step_flow.h"
#include "ui/main/user_prompts.h"

#include <QString>

namespace flange {

class FileCommands {
public:
    explicit FileCommands(UserPrompts& prompts) : prompts_(prompts) {}

    // Returns true when a file was read and the inputs filled from it.
    bool open(StepFlow& flow);
    // Open without the dialog, for a file named on the command line or dropped on the window: the
    // same reading, warning and remembered name as a file chosen in the dialog.
    bool openPath(StepFlow& flow, const QString& path);
    // Returns true when the file was written.
    bool saveAs(const DesignRecord& record);

    // The name the dialogs are pre-filled with, and the full paths last opened and last saved.
    const QString& rememberedName() const { return rememberedName_; }
    const QString& lastOpenedPath() const { return lastOpenedPath_; }
    const QString& lastSavedPath() const { return lastSavedPath_; }

private:
    UserPrompts& prompts_;
    QString rememberedName_;
    QString lastOpenedPath_;
    QString lastSavedPath_;
};

} // namespace flange
