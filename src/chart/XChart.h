#pragma once

#include "chart/ChartSurface.h"
#include "chart/XChartModel.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

class ChartInfoLabel;
class ChartLegendPane;
class ChartSplitter;
class MessagePresenter;
class QPrinter;
class XChartMenus;

// The chart control in a window: shows the picture the model's drawings leave, turns mouse
// presses into selection, hot tracking, menus and drags, and owns the legend pane, the
// divider and the selection information label. Properties are written through `model()`.
class XChart : public QWidget {
    Q_OBJECT

public:
    explicit XChart(QWidget* parent = nullptr);
    ~XChart() override;

    XChartModel& model() { return *m_model; }
    const XChartModel& model() const { return *m_model; }
    // The persistent picture: what the last drawing painted.
    const QImage& picture() const { return m_picture; }
    const ChartFont& chartFont() const { return m_font; }

    bool AddItem(const ChartItemRef& item) { return m_model->AddItem(item); }
    void Clear() { m_model->Clear(); }
    void DrawChart() { m_model->DrawChart(); }
    void Refresh() { m_model->Refresh(); }
    bool EditCopy();
    void PrintChart();
    void PrintLegend();
    // True hides the legend pane, false shows it; the chart is drawn again either way.
    bool ShowLegend(bool hide);

    // Seams: where printed pages go (default: the default printer), how a file name for
    // "Save as" is asked (default: a file dialog titled with the caption), and who tells the
    // user about a failure (default: a message box).
    void setPrinterFactory(std::function<std::unique_ptr<QPrinter>()> factory);
    void setSaveFileChooser(std::function<QString(const QString& caption)> chooser);
    void setMessagePresenter(MessagePresenter* messages) { m_messages = messages; }

    // The chart part of the control: left of the divider while the legend is shown.
    int chartPartWidth() const;

Q_SIGNALS:
    void ItemClick(const ChartItemRef& item);
    void MenuItemClick(int index, const QString& caption);
    // Button 1 left, 2 right, 4 middle; Shift 1 shift, 2 control, 4 alt; X and Y in twips.
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintChart(bool fromResize);
    void chartMouseDown(int button, int shift, QPointF pixels);
    void placeLegend();
    void dividerDragged(int newLeft);
    void updateInfoLabel();
    void saveAs();
    void copyPicture();
    void connectMenus();
    void moveInfoLabelHome();
    void selectFromLegend(int index);
    void reportFailure(const QString& text);
    QPointF toTwips(QPointF pixels) const;

    XChartModel* m_model;
    ChartFont m_font;
    QImage m_picture;
    ChartLegendPane* m_legend;
    ChartSplitter* m_splitter;
    ChartInfoLabel* m_info;
    XChartMenus* m_menus;
    std::function<std::unique_ptr<QPrinter>()> m_printerFactory;
    std::function<QString(const QString&)> m_saveFileChooser;
    MessagePresenter* m_messages = nullptr;
    bool m_shownOnce = false;
    bool m_legendClick = false;
};
