#include "startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace flange {

StartupProbe::StartupProbe(QWidget* window) : QObject(window) { window->installEventFilter(this); }

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !reported_) {
        reported_ = true;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("shown_ns=%lld peak_kb=%ld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    usage.ru_maxrss);
        std::fflush(stdout);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace flange
