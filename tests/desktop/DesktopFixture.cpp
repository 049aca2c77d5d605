#include "DesktopFixture.h"

#include "controls/Twips.h"
#include "desktop/MainWindowDesign.h"
#include "retrieval/PortalBrowser.h"

std::unique_ptr<frmMain> DesktopWindow::open() {
    if (!browser) {
        browser = PortalBrowser::make(std::chrono::seconds(10));
    }
    auto factory = [this](MonthAnalysis&, ReportOptions&) -> std::unique_ptr<ResultWindowPort> {
        ++handOver.windows;
        return std::make_unique<RecordingResultWindow>(handOver);
    };
    const SchedulePaths schedule{monthFolder.filePath("config"), {}}; // no ~/.config
    return std::make_unique<frmMain>(MainWindowServices{settings, messages, clock, shell, *browser,
                                                        factory, monthFolder.path(), commands,
                                                        schedule, &keyring});
}

QWidget* DesktopWindow::control(QWidget& window, const QString& name, int index) const {
    for (QWidget* widget : window.findChildren<QWidget*>(name)) {
        const QVariant number = widget->property("Index");
        if ((index < 0 && !number.isValid()) || (number.isValid() && number.toInt() == index)) {
            return widget;
        }
    }
    return nullptr;
}

QRect DesktopWindow::twips(const QWidget* widget) const {
    const QRect r = widget->geometry();
    return {Twips::fromPixelsX(widget, r.x()), Twips::fromPixelsY(widget, r.y()),
            Twips::fromPixelsX(widget, r.width()), Twips::fromPixelsY(widget, r.height())};
}

QSize DesktopWindow::outerTwips(const QWidget& window) const {
    return QSize(Twips::fromPixelsX(&window, window.width()),
                 Twips::fromPixelsY(&window, window.height())) +
           MainWindowDesign::FrameAllowance;
}
