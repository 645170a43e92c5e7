#pragma once

// The part of Qt the checker uses, set up the same whatever the environment says: the checker
// never opens a window, so it paints its reports on Qt's offscreen platform on any machine, with
// or without a display, and a message from Qt that ends the run is never lost.

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace flange {

// Has Qt's messages go to takeQtMessage, and keeps environment variables (QT_FATAL_WARNINGS,
// QT_FATAL_CRITICALS) from making a warning the end of the run. Call first thing in main.
void installQtMessageHandling();

// Qt's message handler for the checker. Standard error carries only the checker's own messages:
// Qt's notices (about the session, the painter, fonts) mean nothing to the engineer, and each
// failure they hint at is reported by the checker itself with its reason. A fatal message is the
// exception: Qt cannot go on, so the message is written out and the checker ends with exit
// status 2 instead of aborting without a word.
void takeQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);

// The application the report's painter needs, on the offscreen platform whatever
// QT_QPA_PLATFORM names. It sees none of the checker's arguments: a design named "-platform" is a
// design, not an option for Qt.
std::unique_ptr<QGuiApplication> makeReportApplication(const char* programName);

} // namespace flange
