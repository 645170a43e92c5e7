#pragma once

// The prompts of the running program: the system beep, warning message boxes and the file dialogs
// for design files (a single filter for "*.sou", no title, no default suffix).

#include "ui/main/user_prompts.h"

#include <QPointer>
#include <QWidget>

namespace flange {

class DialogPrompts : public UserPrompts {
public:
    // The window the message boxes and dialogs belong to (centred on it, modal to it).
    void setOwner(QWidget* owner) { owner_ = owner; }

    void beep() override;
    void warn(const QString& title, const QString& text) override;
    UnsavedInputsChoice askSaveChanges(const QString& title, const QString& text) override;
    bool askGoOn(const QString& title, const QString& text, const QString& goOnText) override;
    QString askOpenPath(const QString& rememberedName) override;
    QString askSavePath(const QString& rememberedName) override;

private:
    QString askPath(const QString& rememberedName, bool save);

    QPointer<QWidget> owner_;
};

} // namespace flange
