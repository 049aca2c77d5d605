#include "desktop/SummaryPageView.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "controls/neb.h"
#include "desktop/DesignBuilder.h"
#include "desktop/ResultWindowControls.h"
#include "desktop/SummaryOutlook.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>

namespace {

void setText(const DesignBuilder& controls, const QString& name, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (auto* label = controls.get<QLabel>(name)) {
        label->setText(value);
    } else if (auto* box = controls.get<QLineEdit>(name)) {
        box->setText(value);
        box->setAccessibleDescription(value);
    }
}

} // namespace

void SummaryPageView::show(const MonthSummary& summary) {
    const UsageSummary& figures = *summary.figures;
    showPlanDetails(figures.plan.custom());
    for (const auto& [name, text] : SummaryTexts::of(figures).byControl()) {
        if (text) {
            setText(m_design, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                    *text);
        }
    }
    showQuotaBar(figures);
    showFrames(figures);
}

void SummaryPageView::showPlanDetails(bool custom) {
    const ResultWindowControls& c = m_controls;
    for (QWidget* box : std::initializer_list<QWidget*>{c.nebPlanCharge, c.nebBandWidthLimit,
                                                        c.nebRsPerMB, c.lblMB}) {
        box->setVisible(custom);
    }
    c.lblPlanCharge->setVisible(!custom);
    // the custom plan's rate shows beside its entry box
    const QRect rateBox = c.nebRsPerMB->geometry();
    c.lblRsPerMB->move(custom ? rateBox.right() + 6 : rateBox.x(), c.lblRsPerMB->y());
    c.lblBandWidthLimit->setVisible(!custom);
}

void SummaryPageView::showQuotaBar(const UsageSummary& figures) {
    const QWidget* quota = m_controls.picDownloadAllowed;
    QWidget* used = m_controls.picActualDownload;
    QWidget* excess = m_controls.picExcessDownload;
    const int width = quota->width();
    used->setGeometry(0, 0,
                      static_cast<int>(std::lround(width * std::clamp(figures.barUsed, 0.0, 1.0))),
                      quota->height());
    // the excess bar grows to the right of the quota; past twice the limit it stops at the
    // page's edge rather than running off it
    const int room = excess->parentWidget()->width() - quota->geometry().right() - 8;
    const int excessWidth =
        std::min(room, static_cast<int>(std::lround(width * std::max(0.0, figures.barExcess))));
    excess->setGeometry(quota->geometry().right() + 1, quota->y(), std::max(0, excessWidth),
                        quota->height());
    excess->setVisible(figures.exceeded());
    used->lower();
}

void SummaryPageView::showFrames(const UsageSummary& figures) {
    QWidget* available = m_controls.fraAvailable;
    QWidget* excess = m_controls.fraExcess;
    if (figures.exceeded()) {
        excess->move(available->pos());
        excess->raise();
    } else {
        available->raise();
    }
    available->setVisible(!figures.exceeded());
    excess->setVisible(figures.exceeded());
    for (QLabel* today : m_controls.lbl) {
        today->setVisible(figures.lastDayIsToday);
    }
    for (QLabel* figure : {m_controls.lblUsageToday, m_controls.lblUsedAverageExclToday,
                           m_controls.lblAvailableAverageExclToday}) {
        figure->setVisible(figures.lastDayIsToday);
    }
}

void SummaryPageView::showOutlook(const SummaryOutlook& outlook) {
    m_controls.lblProjection->setText(outlook.quota.isEmpty()
                                          ? outlook.projection
                                          : outlook.projection + QLatin1Char('\n') + outlook.quota);
    m_controls.txtPlanComparison->setHtml(outlook.comparisonHtml);
    layOutOutlook();
}

void SummaryPageView::layOutOutlook() {
    const QWidget* box = m_controls.fraOutlook;
    QLabel* texts = m_controls.lblProjection;
    QWidget* plans = m_controls.txtPlanComparison;
    const int margin = texts->x();
    const int width = box->width() - 2 * margin;
    texts->resize(width, texts->heightForWidth(width));
    const int top = texts->geometry().bottom() + margin / 2;
    plans->setGeometry(margin, top, width, std::max(0, box->height() - top - margin));
}
