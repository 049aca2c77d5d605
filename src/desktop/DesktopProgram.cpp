#include "desktop/DesktopProgram.h"

#include "controls/QtColorChooser.h"
#include "controls/QtFileChooser.h"
#include "desktop/MainWindowDesign.h"
#include "desktop/MessageBoxPresenter.h"
#include "desktop/frmMain.h"
#include "desktop/frmResult.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/SettingsStore.h"
#include "platform/Version.h"
#include "platform/session/KeychainSecretStore.h"
#include "retrieval/CacheFolder.h"
#include "retrieval/PortalBrowser.h"
#include "retrieval/PortalSession.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr char DataDirOption[] = "--data-dir";

// The folder --data-dir names; nothing when absent; an empty optional inside when malformed.
std::optional<std::optional<QString>> dataDir(int argc, char** argv) {
    if (argc == 1) {
        return std::optional<QString>();
    }
    if (argc == 3 && std::strcmp(argv[1], DataDirOption) == 0) {
        return std::optional<QString>(QString::fromLocal8Bit(argv[2]));
    }
    const QString single = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (single.startsWith(QString(DataDirOption) + "=")) {
        return std::optional<QString>(
            single.mid(static_cast<qsizetype>(std::strlen(DataDirOption)) + 1));
    }
    return std::nullopt;
}

// Qt ends the process when it cannot reach the display it is given, so look first: a Wayland
// socket name, or an X display whose local socket exists (a remote X display is trusted).
bool displayReachable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return true;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        return false;
    }
    const QRegularExpressionMatch local =
        QRegularExpression("^(?:unix)?:(\\d+)(?:\\.\\d+)?$").match(display);
    return !local.hasMatch() || QFileInfo::exists("/tmp/.X11-unix/X" + local.captured(1));
}

// Ends the event loop after the first paint of the object it watches.
class QuitWhenPainted final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

bool DesktopProgram::wanted(int argc, char** argv) {
    return dataDir(argc, argv).has_value();
}

int DesktopProgram::run(int argc, char** argv) {
    if (!displayReachable()) {
        std::fputs("no display: use a subcommand, see veltrix --help\n", stderr);
        return 2;
    }
    const std::optional<QString> folder = dataDir(argc, argv).value_or(std::nullopt);
    QApplication application(argc, argv);
    // The installed desktop entry and icon share this id: the desktop matches the running
    // window to its menu entry by it (a Wayland app id).
    QGuiApplication::setDesktopFileName(Version::DesktopId);
    QApplication::setWindowIcon(QIcon::fromTheme(Version::DesktopId));
    QApplication::setFont(MainWindowDesign::font());
    // The settings file is named after the program: $XDG_CONFIG_HOME/veltrix/veltrix.ini.
    FileSettingsStore settings(QCoreApplication::applicationName());
    MessageBoxPresenter messages;
    const SystemClock clock;
    SystemDesktopShell shell;
    QtColorChooser colors;
    QtFileChooser files;
    const std::unique_ptr<Browser> browser = PortalBrowser::make(PortalSession::DefaultTimeout);
    // a locked keyring asks for its password: give the user time to type it
    KeychainSecretStore keyring(KeychainSecretStore::PromptTimeoutMs);
    const QString monthFolder = CacheFolder().resolve(folder.value_or(QString()));
    QWidget* mainWindow = nullptr; // the Result window opens over it and is modal to it
    frmMain window({settings, messages, clock, shell, *browser,
                    frmResult::factory({settings,
                                        messages,
                                        clock,
                                        colors,
                                        files,
                                        shell,
                                        {},
                                        monthFolder,
                                        [&mainWindow] { return mainWindow; }}),
                    monthFolder, &keyring});
    mainWindow = &window;
    messages.setParent(&window);
    window.show();
    QuitWhenPainted quitWhenPainted;
    // For start-up measurements: the process ends once the window has first been painted.
    if (!qEnvironmentVariableIsEmpty("VELTRIX_QUIT_WHEN_SHOWN")) {
        window.installEventFilter(&quitWhenPainted);
    }
    return application.exec();
}
