#include "desktop/ReportPreviewWindow.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ReportPreviewWindow::ReportPreviewWindow(QWidget* parent)
    : QDialog(parent)
    , m_view(new QTextBrowser(this)) {
    setObjectName("frmResult");
    setWindowTitle("Veltrix");
    m_view->setObjectName("WebBrowser1");
    m_view->setAccessibleName("Report");
    m_view->setOpenLinks(false);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(760, 560);
}

ResultWindowFactory ReportPreviewWindow::factory(QWidget* parent) {
    return [parent](ReportBuilder&, ReportOptions&) -> std::unique_ptr<ResultWindowPort> {
        return std::make_unique<ReportPreviewWindow>(parent);
    };
}

void ReportPreviewWindow::showModal() {
    m_view->setHtml(QString::fromStdString(m_document.outerHTML()));
    exec();
}
