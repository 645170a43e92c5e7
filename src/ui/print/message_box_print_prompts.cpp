#include "ui/print/message_box_print_prompts.h"

#include "ui/common/name_only_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace flange {

void MessageBoxPrintPrompts::warnPrintFailed(QWidget* owner, const QString& printerName)
{
    QMessageBox::warning(owner, QStringLiteral("印刷"),
                         QStringLiteral("プリンタ「%1」で印刷できませんでした。").arg(printerName));
}

void MessageBoxPrintPrompts::warnReportRefused(QWidget* owner, const QString& reason)
{
    QMessageBox::warning(owner, QStringLiteral("印刷"),
                         QStringLiteral("計算書を印刷できません（%1）。").arg(reason));
}

void MessageBoxPrintPrompts::warnPrintStateUnknown(QWidget* owner, const QString& printerName)
{
    QMessageBox::warning(
        owner, QStringLiteral("印刷"),
        QStringLiteral("プリンタ「%1」の印刷キューから応答がなく、印刷されたかどうか"
                       "わかりません。印刷キューを確かめてから、もう一度印刷するか"
                       "決めてください。")
            .arg(printerName));
}

std::optional<QString> MessageBoxPrintPrompts::askPdfFileName(QWidget* owner)
{
    QFileDialog dialog(owner, QStringLiteral("PDFファイル"), lastFileName_,
                       QStringLiteral("PDF (*.pdf)"));
    judgeFilesByNameOnly(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty())
        return std::nullopt;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    lastFileName_ = name;
    return name;
}

} // namespace flange
