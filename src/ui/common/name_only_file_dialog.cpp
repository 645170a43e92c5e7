#include "ui/common/name_only_file_dialog.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace flange {

namespace {

class NameOnlyIconProvider final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo& info) const override
    {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QFileIconProvider::type(info); // folders are never opened
        const QList<QMimeType> byName = mimes_.mimeTypesForFileName(info.fileName());
        const QMimeType mime =
            byName.isEmpty() ? mimes_.mimeTypeForName(QStringLiteral("application/octet-stream"))
                             : byName.constFirst();
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeDatabase mimes_;
};

} // namespace

void judgeFilesByNameOnly(QFileDialog& dialog)
{
    // One provider for every dialog of the run, never destroyed: a dialog's model may still ask it
    // while the dialog is being torn down.
    static auto* const provider = new NameOnlyIconProvider;
#ifndef Q_OS_WIN
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    dialog.setIconProvider(provider);
}

} // namespace flange
