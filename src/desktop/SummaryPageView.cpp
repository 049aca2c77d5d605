#include "desktop/SummaryPageView.h"

#include "analysis/MonthSummary.h"
#include "analysis/SummaryTexts.h"
#include "desktop/DesignBuilder.h"
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

void setVisible(const DesignBuilder& controls, const QString& name, bool visible, int index = -1) {
    if (QWidget* widget = controls.find(name, index)) {
        widget->setVisible(visible);
    }
}

} // namespace

void SummaryPageView::show(const MonthSummary& summary) {
    const UsageSummary& figures = *summary.figures;
    showPlanDetails(figures.plan.custom());
    for (const auto& [name, text] : SummaryTexts::of(figures).byControl()) {
        if (text) {
            setText(m_controls,
                    QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), *text);
        }
    }
    showQuotaBar(figures);
    showFrames(figures);
}

void SummaryPageView::showPlanDetails(bool custom) {
    for (const char* box : {"nebPlanCharge", "nebBandWidthLimit", "nebRsPerMB", "lblMB"}) {
        setVisible(m_controls, QString::fromLatin1(box), custom);
    }
    setVisible(m_controls, QStringLiteral("lblPlanCharge"), !custom);
    // the custom plan's rate shows beside its entry box
    QWidget* rate = m_controls.find(QStringLiteral("lblRsPerMB"));
    QWidget* rateBox = m_controls.find(QStringLiteral("nebRsPerMB"));
    if (rate && rateBox) {
        rate->move(custom ? rateBox->geometry().right() + 6 : rateBox->x(), rate->y());
    }
    setVisible(m_controls, QStringLiteral("lblBandWidthLimit"), !custom);
}

void SummaryPageView::showQuotaBar(const UsageSummary& figures) {
    QWidget* quota = m_controls.find(QStringLiteral("picDownloadAllowed"));
    QWidget* used = m_controls.find(QStringLiteral("picActualDownload"));
    QWidget* excess = m_controls.find(QStringLiteral("picExcessDownload"));
    if (!quota || !used || !excess) {
        return;
    }
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
    QWidget* available = m_controls.find(QStringLiteral("fraAvailable"));
    QWidget* excess = m_controls.find(QStringLiteral("fraExcess"));
    if (available && excess) {
        if (figures.exceeded()) {
            excess->move(available->pos());
            excess->raise();
        } else {
            available->raise();
        }
        available->setVisible(!figures.exceeded());
        excess->setVisible(figures.exceeded());
    }
    for (int i = 0; i <= 6; ++i) {
        setVisible(m_controls, QStringLiteral("lbl"), figures.lastDayIsToday, i);
    }
    for (const char* name :
         {"lblUsageToday", "lblUsedAverageExclToday", "lblAvailableAverageExclToday"}) {
        setVisible(m_controls, QString::fromLatin1(name), figures.lastDayIsToday);
    }
}

void SummaryPageView::showOutlook(const SummaryOutlook& outlook) {
    setText(m_controls, QStringLiteral("lblProjection"), outlook.projection.toStdString());
    if (auto* table = m_controls.get<QTextBrowser>(QStringLiteral("txtPlanComparison"))) {
        table->setHtml(outlook.comparisonHtml);
    }
}
