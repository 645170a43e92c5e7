#pragma once

// Everything the main window asks of the engineer or tells them goes through this interface: the
// beep and warning of a missing input, the warnings of the file commands, the question before
// unsaved inputs are discarded and the open and save dialogs. The program uses message boxes and file dialogs (DialogPrompts); tests put in their own.

#include <QString>

namespace flange {

// The engineer's answer when inputs that were not saved would be discarded.
enum class UnsavedInputsChoice { Save, Discard, Cancel };

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual void beep() = 0;
    // A modal warning with a single OK button; returns when the engineer has closed it.
    virtual void warn(const QString& title, const QString& text) = 0;
    // Asks whether to save inputs that would otherwise be lost: 保存, 破棄 or キャンセル (also
    // when the question is closed without an answer).
    virtual UnsavedInputsChoice askSaveChanges(const QString& title, const QString& text) = 0;
    // Asks whether to go on despite what the text lists: true only for the button named
    // `goOnText`; キャンセル is the default, and closing the question cancels too.
    virtual bool askGoOn(const QString& title, const QString& text, const QString& goOnText) = 0;
    // The open dialog for design files, pre-filled with the remembered name. Returns the full path
    // chosen, or an empty string when cancelled. The file need not exist.
    virtual QString askOpenPath(const QString& rememberedName) = 0;
    // The save dialog for design files, pre-filled with the remembered name; it asks before an
    // existing file is replaced. Returns the full path, or an empty string when cancelled. A name
    // typed without an extension is returned as typed.
    virtual QString askSavePath(const QString& rememberedName) = 0;
};

} // namespace flange
