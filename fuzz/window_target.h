#pragma once

// The application of a target that drives the real windows, on the offscreen
// platform, with no event loop: what an input posts is handled before the
// next one, with QCoreApplication::sendPostedEvents.

#include "form_runtime/application.h"

#include <QApplication>
#include <QByteArray>
#include <QString>

namespace fuzzing {

inline QApplication *startWindowApplication(const char *name)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own event dispatcher: with no loop to wake, glib's writes to its
    // wake-up descriptor at every posted event, a system call each time.
    qputenv("QT_NO_GLIB", "1");
    // The offscreen platform says it cannot size a window to its layout each
    // time a window laid out to its contents changes size; nothing else.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            qtHandler(type, context, message);
    });
    static int argc = 1;
    static QByteArray program(name);
    static char *argv[] = {program.data(), nullptr};
    return new form_runtime::Application(argc, argv);
}

} // namespace fuzzing
