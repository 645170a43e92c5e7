#pragma once

// For the start-up benchmark only: watches a window and, at its first paint, writes one line to
// standard output, "shown_ns=<CLOCK_MONOTONIC time in ns> peak_kb=<peak resident memory in KiB>",
// then ends the application. The benchmark compares that time with the moment it started the
// process.

#include <QObject>

namespace flange {

class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool reported_ = false;
};

} // namespace flange
