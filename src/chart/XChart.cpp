#include "chart/XChart.h"

#include "chart/ChartImage.h"
#include "chart/ChartInfoLabel.h"
#include "chart/ChartLegendPane.h"
#include "chart/ChartPrinter.h"
#include "chart/ChartRenderer.h"
#include "chart/ChartSplitter.h"
#include "chart/LegendLayout.h"
#include "chart/PainterSurface.h"
#include "chart/XChartMenus.h"
#include "platform/ColorValue.h"
#include "platform/Failure.h"
#include "platform/MessagePresenter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

QString askSaveFile(QWidget* parent, const QString& caption) {
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        parent, caption, QStringLiteral("chart.png"),
        QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), &filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += filter.startsWith(QLatin1String("SVG")) ? QStringLiteral(".svg")
                                                        : QStringLiteral(".png");
    }
    return path;
}

} // namespace

XChart::XChart(QWidget* parent)
    : QWidget(parent)
    , m_model(new XChartModel(this))
    , m_legend(new ChartLegendPane(this))
    , m_splitter(new ChartSplitter(this))
    , m_info(new ChartInfoLabel(this))
    , m_menus(new XChartMenus(this)) {
    setFont(QFont(m_font.family, static_cast<int>(m_font.pointSize)));
    setMouseTracking(true);
    m_model->setTwipsPerPixel(1440.0 / logicalDpiX(), 1440.0 / logicalDpiY());
    m_info->move(static_cast<int>(105 / m_model->twipsPerPixelX()),
                 static_cast<int>(480 / m_model->twipsPerPixelY()));
    m_info->hide();
    m_printerFactory = [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); };
    m_saveFileChooser = [this](const QString& caption) { return askSaveFile(this, caption); };

    connect(m_model, &XChartModel::drawRequested, this, &XChart::paintChart);
    connect(m_model, &XChartModel::ItemClick, this, &XChart::ItemClick);
    connect(m_model, &XChartModel::menuCaptionsChanged, this,
            [this] { m_menus->applyCaptions(m_model->properties().MenuItems); });
    connect(m_legend->content(), &ChartLegendContent::entryPressed, this,
            [this](int index, Qt::MouseButton button, QPoint global) {
                if (button == Qt::LeftButton && m_model->properties().Selectable) {
                    selectFromLegend(index);
                } else if (button == Qt::RightButton) {
                    m_menus->mnuLegend()->popup(global);
                }
            });
    connect(m_legend, &ChartLegendPane::menuRequested, this,
            [this](QPoint global) { m_menus->mnuLegend()->popup(global); });
    connect(m_info, &ChartInfoLabel::menuRequested, this,
            [this](QPoint global) { m_menus->mnuMain()->popup(global); });
    connect(m_splitter, &ChartSplitter::dragFinished, this,
            [this] { dividerDragged(m_splitter->x()); });
    connect(m_splitter, &ChartSplitter::glyphClicked, this,
            [this] { ShowLegend(m_model->legendVisible()); });
    connectMenus();
}

XChart::~XChart() = default;

void XChart::connectMenus() {
    connect(m_menus->entry(ChartMenus::SaveAs), &QAction::triggered, this, &XChart::saveAs);
    connect(m_menus->entry(ChartMenus::Print), &QAction::triggered, this, &XChart::PrintChart);
    connect(m_menus->entry(ChartMenus::Copy), &QAction::triggered, this, &XChart::copyPicture);
    connect(m_menus->entry(ChartMenus::SelectionInfo), &QAction::triggered, this,
            [this](bool checked) {
                m_model->setSelectionInformation(checked);
                updateInfoLabel();
            });
    connect(m_menus->entry(ChartMenus::ViewLegend), &QAction::triggered, this,
            [this](bool checked) { ShowLegend(!checked); });
    connect(m_menus->entry(ChartMenus::LegendHide), &QAction::triggered, this,
            [this] { ShowLegend(true); });
    connect(m_menus, &XChartMenus::customItemTriggered, this, &XChart::MenuItemClick);
}

void XChart::setPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory) {
    m_printerFactory = std::move(factory);
}

void XChart::setSaveFileChooser(std::function<QString(const QString&)> chooser) {
    m_saveFileChooser = std::move(chooser);
}

QPointF XChart::toTwips(QPointF pixels) const {
    return QPointF(pixels.x() * m_model->twipsPerPixelX(), pixels.y() * m_model->twipsPerPixelY());
}

int XChart::chartPartWidth() const {
    return m_model->legendVisible() ? m_splitter->x() : width();
}

void XChart::paintChart(bool fromResize) {
    if (!size().isEmpty()) {
        if (m_picture.size() != size()) {
            m_picture = QImage(size(), QImage::Format_RGB32);
            m_picture.setDotsPerMeterX(static_cast<int>(std::lround(logicalDpiX() / 0.0254)));
            m_picture.setDotsPerMeterY(static_cast<int>(std::lround(logicalDpiY() / 0.0254)));
        }
        QPainter painter(&m_picture);
        PainterSurface surface(painter, m_font, palette());
        ChartRenderer(*m_model, surface).draw();
    }
    const ChartProperties& props = m_model->properties();
    if (!fromResize) {
        std::vector<ChartLegendContent::Entry> entries;
        for (const LegendEntry& entry : m_model->legendEntries()) {
            entries.push_back({entry.text, ColorValue::toQColor(entry.swatchColor, palette()),
                               ColorValue::toQColor(entry.textColor, palette())});
        }
        m_legend->setEntries(std::move(entries));
    }
    m_menus->entry(ChartMenus::SelectionInfo)->setChecked(props.SelectionInformation);
    updateInfoLabel();
    if (m_model->legendVisible()) {
        m_legend->setBackColor(ColorValue::toQColor(props.LegendBackColor, palette()));
        const bool marked = props.Selectable && m_model->SelectedColumn() >= 0;
        if (marked && !m_legendClick) {
            m_legend->ensureVisible(m_model->SelectedColumn());
        }
        m_legend->content()->setSelection(marked ? m_model->SelectedColumn() : -1,
                                          ColorValue::toQColor(props.SelectedBarColor, palette()));
    }
    update();
}

void XChart::updateInfoLabel() {
    const ChartProperties& props = m_model->properties();
    m_info->setColors(ColorValue::toQColor(props.InfoForeColor, palette()),
                      ColorValue::toQColor(props.InfoBackColor, palette()));
    m_info->hide();
    const QString text = m_model->BuildInfoText(m_model->SelectedColumn());
    if (text.isEmpty()) {
        return;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_info->setText(shown);
    const QRect extent = m_info->fontMetrics().boundingRect(QRect(), 0, shown);
    m_info->resize(extent.width() + 5 + 2 * (m_info->margin() + m_info->frameWidth()),
                   static_cast<int>(std::ceil(extent.height() * 1.2)) + 2 * m_info->frameWidth());
    m_info->show();
    m_info->raise();
}

void XChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), ColorValue::toQColor(m_model->properties().BackColor, palette()));
        return;
    }
    painter.drawImage(0, 0, m_picture);
}

void XChart::resizeEvent(QResizeEvent*) {
    m_model->setScale(width() * m_model->twipsPerPixelX(), height() * m_model->twipsPerPixelY());
    placeLegend();
    if (m_model->properties().LegendCaption.isEmpty()) {
        m_model->setLegendCaption(QString());
    }
    m_model->DrawChart(true);
}

void XChart::showEvent(QShowEvent*) {
    m_model->DrawChart();
    m_menus->applyCaptions(m_model->properties().MenuItems);
    m_menus->loadCustomItems(m_model->properties().CustomMenuItems);
    if (m_model->properties().MenuType != 1) {
        moveInfoLabelHome();
    }
}

void XChart::moveInfoLabelHome() {
    m_info->move(static_cast<int>(60 / m_model->twipsPerPixelX()),
                 static_cast<int>(60 / m_model->twipsPerPixelY()));
}

void XChart::placeLegend() {
    const int paneWidth =
        static_cast<int>(std::lround(m_model->legendPaneWidth() / m_model->twipsPerPixelX()));
    const int dividerWidth =
        static_cast<int>(std::lround(XChartModel::SplitterWidth / m_model->twipsPerPixelX()));
    const bool shown = m_model->legendVisible();
    const int paneLeft = shown ? width() - paneWidth : width();
    m_legend->setGeometry(paneLeft, 0, paneWidth, height());
    m_splitter->setGeometry(paneLeft - dividerWidth, 0, dividerWidth, height());
    m_splitter->setGlyph(shown ? QStringLiteral("\u00BB") : QStringLiteral("\u00AB"));
    m_splitter->setToolTip(shown ? QString() : m_model->properties().LegendCaption);
    m_splitter->raise();
}

bool XChart::ShowLegend(bool hide) {
    m_model->setLegendVisible(!hide);
    m_menus->entry(ChartMenus::ViewLegend)->setChecked(!hide);
    placeLegend();
    m_model->DrawChart();
    return !hide;
}

void XChart::dividerDragged(int newLeft) {
    const int dividerWidth = m_splitter->width();
    const int paneWidth = std::max(width() - newLeft - dividerWidth, 0);
    m_model->setLegendPaneWidth(paneWidth * m_model->twipsPerPixelX());
    ShowLegend(false);
}

void XChart::selectFromLegend(int index) {
    const int scroll = m_legend->scrollValue();
    m_legendClick = true;
    m_model->selectFromLegend(index);
    m_legend->setScrollValue(scroll);
    m_legendClick = false;
}

void XChart::chartMouseDown(int button, int shift, QPointF pixels) {
    const QPointF twips = toTwips(pixels);
    if (button == 1) {
        m_model->selectAt(twips.x(), twips.y());
    } else if (button == 2 && m_model->properties().MenuType == 0) {
        m_menus->applyCaptions(m_model->properties().MenuItems);
        m_menus->loadCustomItems(m_model->properties().CustomMenuItems);
        moveInfoLabelHome();
        m_menus->mnuMain()->popup(mapToGlobal(pixels.toPoint()));
    }
    Q_EMIT MouseDown(button, shift, static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void XChart::mousePressEvent(QMouseEvent* event) {
    chartMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), event->position());
}

void XChart::mouseMoveEvent(QMouseEvent* event) {
    const bool leftDown = event->buttons().testFlag(Qt::LeftButton);
    if (!leftDown && !m_model->properties().HotTracking) {
        return;
    }
    const QPointF twips = toTwips(event->position());
    const bool overItem = m_model->HitTestColumn(twips.x(), twips.y()) >= 0;
    const Qt::CursorShape shape = overItem ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape) {
        setCursor(shape);
    }
    chartMouseDown(1, shiftCode(event->modifiers()), event->position());
}

void XChart::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF twips = toTwips(event->position());
    Q_EMIT MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                   static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

bool XChart::EditCopy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(m_picture);
    return true;
}

void XChart::copyPicture() {
    QGuiApplication::clipboard()->setImage(m_picture);
}

void XChart::saveAs() {
    const QString caption = m_model->properties().SaveAsCaption;
    const QString path =
        m_saveFileChooser(caption.isEmpty() ? QStringLiteral("Save chart as") : caption);
    if (path.isEmpty()) {
        return;
    }
    try {
        ChartImage::save(*m_model, path, chartPartWidth());
    } catch (const Failure& failure) {
        reportFailure(QString::fromStdString(failure.what()));
    }
}

void XChart::PrintChart() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<QPrinter> printer = m_printerFactory ? m_printerFactory() : nullptr;
    const bool legendShown = m_model->legendVisible();
    const int mode = m_model->properties().LegendPrintMode;
    QImage legend;
    if (mode == 1 && legendShown) {
        legend =
            m_legend->content()->entriesImage(m_legend->content()->width(), m_legend->backColor());
    }
    const QImage chart = m_picture.copy(0, 0, chartPartWidth(), height());
    if (!printer || !ChartPrinter::printChart(*m_model, chart, legend, logicalDpiX(), *printer)) {
        QGuiApplication::restoreOverrideCursor();
        reportFailure(QStringLiteral("The chart could not be printed: no printer is ready."));
        return;
    }
    if (mode == 2 && legendShown) {
        PrintLegend();
    }
    QGuiApplication::restoreOverrideCursor();
}

void XChart::PrintLegend() {
    std::unique_ptr<QPrinter> printer = m_printerFactory ? m_printerFactory() : nullptr;
    if (!printer || !ChartPrinter::printLegend(*m_model, *printer)) {
        reportFailure(QStringLiteral("The legend could not be printed: no printer is ready."));
    }
}

void XChart::reportFailure(const QString& text) {
    if (m_messages) {
        m_messages->show(text, QStringLiteral("Chart"), MessageIcon::Warning);
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Chart"), text);
}
