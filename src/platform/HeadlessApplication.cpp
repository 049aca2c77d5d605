#include "platform/HeadlessApplication.h"

HeadlessApplication::HeadlessApplication(Painting painting) {
    QCoreApplication* existing = QCoreApplication::instance();
    if (existing) {
        if (!qobject_cast<QGuiApplication*>(existing)) {
            m_problem = QStringLiteral("Chart images need a QGuiApplication, but the program "
                                       "already runs a plain QCoreApplication");
        }
        return;
    }
    if (painting == Painting::NotNeeded) {
        m_application = std::make_unique<QCoreApplication>(m_argc, m_argv);
        m_problem = QStringLiteral("No picture was to be drawn: the program runs a plain "
                                   "QCoreApplication");
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
