#include "ui/main/bolt_size_box.h"

#include "calc/bolt_size_table.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace flange {

BoltSizeBox::BoltSizeBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Combo1"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!finishingEdit_)
            emit itemChosen(index);
    });
    for (const BoltSize& size : boltSizeTable)
        addItem(QString::fromUtf8(size.itemText));
    setCurrentIndex(-1);
    clearEditText();
}

void BoltSizeBox::setLocked(bool locked)
{
    locked_ = locked;
    lineEdit()->setReadOnly(locked);
}

void BoltSizeBox::showText(const QString& text)
{
    if (text.isEmpty()) {
        setCurrentIndex(-1);
        clearEditText();
    } else if (currentText() != text) {
        setEditText(text);
    }
}

void BoltSizeBox::showPopup()
{
    if (!locked_)
        QComboBox::showPopup();
}

void BoltSizeBox::keyPressEvent(QKeyEvent* event)
{
    const bool changesItem = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down
                             || event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (locked_ && changesItem) {
        event->ignore();
        return;
    }
    finishingEdit_ = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QComboBox::keyPressEvent(event);
    finishingEdit_ = false;
}

void BoltSizeBox::focusOutEvent(QFocusEvent* event)
{
    finishingEdit_ = true;
    QComboBox::focusOutEvent(event);
    finishingEdit_ = false;
}

void BoltSizeBox::wheelEvent(QWheelEvent* event)
{
    if (locked_) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace flange
