#include "desktop/DesktopProgram.h"

#include "controls/QtColorChooser.h"
#include "controls/QtFileChooser.h"
#include "desktop/CommandRunner.h"
#include "desktop/MainWindowDesign.h"
#include "desktop/MessageBoxPresenter.h"
#include "desktop/SingleInstance.h"
#include "desktop/StatusIcon.h"
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
#include <memory>
#include <optional>

namespace {

constexpr char DataDirOption[] = "--data-dir";
constexpr char TrayOption[] = "--tray";

struct DesktopOptions {
    bool tray = false;
    std::optional<QString> dataDir;
};

// `--tray`, `--data-dir DIR` and `--data-dir=DIR` in any order; nothing when another argument
// (a subcommand, --help) is there or --data-dir lacks its folder.
std::optional<DesktopOptions> desktopOptions(int argc, char** argv) {
    DesktopOptions options;
    const QString joined = QString(DataDirOption) + "=";
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == TrayOption) {
            options.tray = true;
        } else if (argument == DataDirOption && i + 1 < argc) {
            options.dataDir = QString::fromLocal8Bit(argv[++i]);
        } else if (argument.startsWith(joined)) {
            options.dataDir = argument.mid(joined.size());
        } else {
            return std::nullopt;
        }
    }
    return options;
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

constexpr char NoStatusArea[] = "this desktop shows no status icons";
constexpr int StatusAreaPollMs = 500;
constexpr int StatusAreaWaitMs = 10000;

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

// With --tray, only the icon until "Open Veltrix". At login the panel may start after this
// program: a status area has a few seconds to appear before the window opens instead, so the
// program is never left running unseen.
void startInStatusArea(frmMain& window, StatusIcon& icon) {
    QApplication::setQuitOnLastWindowClosed(false);
    window.setKeepsRunningInTray(true);
    if (icon.show()) {
        return;
    }
    auto* wait = new QTimer(&window);
    auto waited = std::make_shared<int>(0);
    QObject::connect(wait, &QTimer::timeout, &window, [wait, waited, &window] {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            wait->deleteLater();
        } else if (++*waited * StatusAreaPollMs >= StatusAreaWaitMs) {
            wait->deleteLater();
            std::fprintf(stderr, "veltrix: %s: the window opens instead\n", NoStatusArea);
            window.setKeepsRunningInTray(false);
            QApplication::setQuitOnLastWindowClosed(true);
            window.show();
        }
    });
    wait->start(StatusAreaPollMs);
}

} // namespace

bool DesktopProgram::wanted(int argc, char** argv) {
    return desktopOptions(argc, argv).has_value();
}

int DesktopProgram::run(int argc, char** argv) {
    if (!displayReachable()) {
        std::fputs("no display: use a subcommand, see veltrix --help\n", stderr);
        return 2;
    }
    const DesktopOptions options = desktopOptions(argc, argv).value_or(DesktopOptions());
    QApplication application(argc, argv);
    // The installed desktop entry and icon share this id: the desktop matches the running
    // window to its menu entry by it (a Wayland app id).
    QGuiApplication::setDesktopFileName(Version::DesktopId);
    QApplication::setWindowIcon(QIcon::fromTheme(Version::DesktopId));
    QApplication::setFont(MainWindowDesign::font());
    // The settings file is named after the program: $XDG_CONFIG_HOME/veltrix/veltrix.ini.
    FileSettingsStore settings(QCoreApplication::applicationName());
    // One program per settings file, or both would write it as they close: a later start hands
    // its wish to the running one and ends.
    SingleInstance instance(SingleInstance::nameFor(QFileInfo(settings.path()).absolutePath()));
    if (instance.start(options.tray ? "tray" : "open") == SingleInstance::Start::AlreadyRunning) {
        std::fprintf(stderr, "veltrix: Veltrix is already running%s\n",
                     options.tray ? "" : "; its window is brought to the front");
        return 0;
    }
    MessageBoxPresenter messages;
    const SystemClock clock;
    SystemDesktopShell shell;
    QtColorChooser colors;
    QtFileChooser files;
    const std::unique_ptr<Browser> browser = PortalBrowser::make(PortalSession::DefaultTimeout);
    // a locked keyring asks for its password: give the user time to type it
    KeychainSecretStore keyring(KeychainSecretStore::PromptTimeoutMs);
    const QString monthFolder = CacheFolder().resolve(options.dataDir.value_or(QString()));
    ProcessRunner commands;
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
                    monthFolder, commands, SchedulePaths::ofUser(), &keyring});
    mainWindow = &window;
    messages.setParent(&window);
    StatusIcon icon(window, settings, clock, monthFolder);
    // "tray" asks for the icon, which is already there
    instance.onMessage([&window](const QByteArray& wish) {
        if (wish == "open") {
            window.openFromTray();
        }
    });
    if (options.tray) {
        startInStatusArea(window, icon);
    } else {
        if (!icon.show()) {
            std::fprintf(stderr, "veltrix: %s: the status icon is not shown\n", NoStatusArea);
        }
        window.show();
    }
    QuitWhenPainted quitWhenPainted;
    // For start-up measurements: the process ends once the window has first been painted.
    if (!qEnvironmentVariableIsEmpty("VELTRIX_QUIT_WHEN_SHOWN")) {
        window.installEventFilter(&quitWhenPainted);
    }
    return application.exec();
}
