#pragma once

#include "desktop/ResultWindowPort.h"
#include "platform/dom/Document.h"

#include <QDialog>

class QTextBrowser;

// A stand-in result window until the full one is built: shows the month's report read-only
// in a modal window, and ignores the options, the chart and the summary.
class ReportPreviewWindow final : public QDialog, public ResultWindowPort {
    Q_OBJECT
public:
    explicit ReportPreviewWindow(QWidget* parent = nullptr);

    static ResultWindowFactory factory(QWidget* parent);

    Document& reportDocument() override { return m_document; }
    void setTotals(const ReportTotals&) override {}
    void setAverageText(const std::string&) override {}
    void clearChartUpToDate() override {}
    void UpdateGraphControl() override {}
    void CreateSummary() override {}

    void LoadCombo() override {}
    void setSuppressEvents(bool) override {}
    void copyOptionControls(const ReportOptions&) override {}
    void SetCheckBoxState() override {}
    void showModal() override;

private:
    Document m_document{Document::Scripts::Strip};
    QTextBrowser* m_view;
};
