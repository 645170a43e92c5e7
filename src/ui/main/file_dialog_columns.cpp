#include "ui/main/file_dialog_columns.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace flange {

namespace {

// The widest text each column shows besides its heading: name, size, type, date.
QStringList widestTexts()
{
    const QDateTime lateDate(QDate(2000, 12, 28), QTime(23, 59, 59));
    return {QString(), QStringLiteral("999.99 KB"), QStringLiteral("鋼管仕口ファイル"),
            QLocale::system().toString(lateDate, QLocale::ShortFormat)};
}

void fitColumns(QTreeView& view)
{
    QHeaderView* header = view.header();
    const QAbstractItemModel* model = view.model();
    if (!header || !model)
        return;
    const QFontMetrics headingFont(header->font());
    const QFontMetrics cellFont(view.font());
    // Room for the sort arrow beside a heading and for the margins of a cell.
    const int headingRoom = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize)
                            + 4 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
    const int cellRoom = 4 * view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const QStringList widest = widestTexts();
    for (int column = 0; column < header->count() && column < widest.size(); ++column) {
        const QString heading = model->headerData(column, Qt::Horizontal).toString();
        const int width = std::max(headingFont.horizontalAdvance(heading) + headingRoom,
                                   cellFont.horizontalAdvance(widest[column]) + cellRoom);
        if (header->sectionSize(column) < width)
            header->resizeSection(column, width);
    }
}

void fitPlaces(QFileDialog& dialog)
{
    auto* places = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!places || !splitter || splitter->count() < 2)
        return;
    const int needed = places->sizeHintForColumn(0) + 2 * places->frameWidth() + 12;
    QList<int> sizes = splitter->sizes();
    if (sizes[0] < needed) {
        sizes[1] = std::max(0, sizes[1] - (needed - sizes[0]));
        sizes[0] = needed;
        splitter->setSizes(sizes);
    }
}

} // namespace

// The parts have their sizes once the dialog is on screen, so the widths are set from its event
// loop, right after it has been shown.
void fitFileDialogColumns(QFileDialog& dialog)
{
    QMetaObject::invokeMethod(
        &dialog,
        [&dialog] {
            if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
                fitColumns(*details);
            fitPlaces(dialog);
        },
        Qt::QueuedConnection);
}

} // namespace flange
