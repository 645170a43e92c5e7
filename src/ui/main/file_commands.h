#pragma once

// The File menu's Open, Save and Save As, on the main window's step flow, and the question before
// inputs that were not saved are discarded.
//
// One remembered file name serves both dialogs: each opens pre-filled with the name last chosen in
// either. Open reads and decodes the whole file before it touches the window; only a file that
// could be read resets the page and fills the seventeen inputs, and a file that cannot be read is
// reported by name with the window left exactly as it was. Save As writes the seventeen input texts
// as they stand; a text the file cannot hold, or a file that cannot be written, is reported. Save
// writes to the design's file, the one last opened or saved, the same way; a design without one is
// saved as Save As does.
//
// The design's inputs count as changed while they differ from what its file was last read or
// written with, or from empty inputs for a design without a file.

#include "flow/step_flow.h"
#include "io/design_file.h"
#include "ui/main/user_prompts.h"

#include <QString>

#include <vector>

namespace flange {

class FileCommands {
public:
    explicit FileCommands(UserPrompts& prompts) : prompts_(prompts) {}

    // Returns true when a file was read and the inputs filled from it.
    bool open(StepFlow& flow);
    // Open without the dialog, for a file named on the command line or dropped on the window: the
    // same reading, warning and remembered name as a file chosen in the dialog.
    bool openPath(StepFlow& flow, const QString& path);
    // Open of a file named by the bytes the system passed, as a file manager passes a name that is
    // not UTF-8: read by those bytes, so found wherever it exists. Such a design has no file to
    // save into (Save asks for a name, as Save As does), since a name made of text would write
    // another file.
    bool openNativePath(StepFlow& flow, const QByteArray& nativePath);
    // Both return true when the file was written.
    bool save(const DesignRecord& record);
    bool saveAs(const DesignRecord& record);

    // Tells, once, what reading the file just opened noticed (io/reading_hints.h); the window calls
    // it once it shows the inputs read, so that the warning stands over them.
    void tellReadingHints();

    // Before the record's inputs are discarded (the window closed, another design opened, the page
    // cleared): when they changed, asks whether to save them first. True when the caller may go
    // on: nothing changed, the engineer chose 破棄, or chose 保存 and the save succeeded.
    bool settleChanges(const DesignRecord& record);
    bool isChanged(const DesignRecord& record) const { return inputsOf(record) != savedInputs_; }
    // The page is cleared: the design is a new one, without a file.
    void startNewDesign();

    // What reading the design's file noticed about fields it read empty (unreadable-field hints),
    // while those fields are still empty in the record.
    std::vector<Hint> emptiedFieldHints(const DesignRecord& record) const;

    // The design's file, empty before one was opened or saved; and its name as the title shows it,
    // also for a file opened by a name that is not UTF-8.
    const QString& designPath() const { return designPath_; }
    const QString& designName() const { return designName_; }
    // The name the dialogs are pre-filled with, and the full paths last opened and last saved.
    const QString& rememberedName() const { return rememberedName_; }
    const QString& lastOpenedPath() const { return lastOpenedPath_; }
    const QString& lastSavedPath() const { return lastSavedPath_; }

private:
    bool write(const QString& path, const DesignRecord& record);
    bool take(StepFlow& flow, const Result<DesignFileRead>& read, const QString& path);

    UserPrompts& prompts_;
    QString rememberedName_;
    QString lastOpenedPath_;
    QString lastSavedPath_;
    QString designPath_;
    QString designName_;
    DesignInputs savedInputs_{};
    std::vector<Hint> readingHints_;
    bool hintsToTell_ = false;
};

} // namespace flange
