#include "platform/HeadlessApplication.h"

HeadlessApplication::HeadlessApplication() {
    QCoreApplication* existing = QCoreApplication::instance();
    if (existing) {
        if (!qobject_cast<QGuiApplication*>(existing)) {
            m_problem = QStringLiteral("Chart images need a QGuiApplication, but the program "
                                       "already runs a plain QCoreApplication");
        }
        return;
    }
    const bool hasDisplay =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!hasDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

HeadlessApplication::~HeadlessApplication() = default;
