#include "cli/Commands.h"
#include "cli/EnvironmentPassword.h"
#include "desktop/DesktopProgram.h"
#include "platform/HeadlessApplication.h"

#include <cstdio>

namespace {

// Qt's own warnings (a missing XDG_RUNTIME_DIR, font fallbacks) mean nothing to someone running
// a command; the command reports its own failures. Only Qt's critical messages get through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "veltrix: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char** argv) {
    // before anything (Qt's session bus, a keyring) can start a program that would inherit it
    EnvironmentPassword::take();
    if (DesktopProgram::wanted(argc, argv)) {
        return DesktopProgram::run(argc, argv);
    }
    qInstallMessageHandler(quietQtMessages);
    // The command line draws charts (fonts, painting) but never shows a window: it works the
    // same on a machine without a display, and sets up painting only for a picture.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const HeadlessApplication application(drawsPictures(argc, argv)
                                              ? HeadlessApplication::Painting::Needed
                                              : HeadlessApplication::Painting::NotNeeded);
    return runCommandLine(argc, argv);
}
