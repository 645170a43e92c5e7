#pragma once

// Keeps the allowable-stress window to one at most: open() loads and shows it without waiting for
// it, or brings the open one forward; closing the window discards it, and the next open() loads
// it afresh.

#include "ui/reference/allowable_stress_window.h"

#include <QObject>
#include <QPointer>

namespace flange {

class AllowableStressWindowHost : public QObject {
    Q_OBJECT
public:
    explicit AllowableStressWindowHost(QObject* parent = nullptr);
    ~AllowableStressWindowHost() override;

    void open();
    // Closes the window if it is open; used when the main window closes.
    void closeIfOpen();

    // The open window, or null.
    AllowableStressWindow* window() const { return window_; }

private:
    QPointer<AllowableStressWindow> window_;
};

} // namespace flange
