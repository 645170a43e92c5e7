#include "ui/main/dialog_prompts.h"

#include "io/design_file.h"

#include "ui/common/name_only_file_dialog.h"
#include "ui/main/file_dialog_columns.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace flange {

void DialogPrompts::beep() { QApplication::beep(); }

void DialogPrompts::warn(const QString& title, const QString& text)
{
    QMessageBox::warning(owner_, title, text, QMessageBox::Ok);
}

UnsavedInputsChoice DialogPrompts::askSaveChanges(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
    box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("破棄"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedInputsChoice::Save;
    case QMessageBox::Discard: return UnsavedInputsChoice::Discard;
    default: return UnsavedInputsChoice::Cancel;
    }
}

bool DialogPrompts::askGoOn(const QString& title, const QString& text, const QString& goOnText)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, owner_);
    QPushButton* goOn = box.addButton(goOnText, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == goOn;
}

QString DialogPrompts::askOpenPath(const QString& rememberedName)
{
    return askPath(rememberedName, false);
}

QString DialogPrompts::askSavePath(const QString& rememberedName)
{
    return askPath(rememberedName, true);
}

QString DialogPrompts::askPath(const QString& rememberedName, bool save)
{
    QFileDialog dialog(owner_);
    judgeFilesByNameOnly(dialog);
    dialog.setNameFilter(QString::fromUtf8(designFileFilter));
    // Any name is accepted: the open command reports a file it cannot read itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!rememberedName.isEmpty())
        dialog.selectFile(rememberedName);
    fitFileDialogColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace flange
