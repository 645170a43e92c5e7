#pragma once

// Finds a control by its object name below a widget; a missing control ends the test run, since
// every later check on it would be meaningless.

#include <QObject>
#include <QString>
#include <QtGlobal>

template <class T = QWidget> T* findControl(const QObject* root, const char* name)
{
    auto* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
