#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

// The scrolling list inside the legend pane: one colour swatch and one fitted text per item,
// the selected entry outlined. Presses on an entry are reported with its index.
class ChartLegendContent : public QWidget {
    Q_OBJECT

public:
    struct Entry {
        QString text;
        QColor swatch;
        QColor textColor;
    };

    explicit ChartLegendContent(QWidget* parent = nullptr);

    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry>& entries() const { return m_entries; }
    void setSelection(int index, const QColor& outline);
    // The text of entry `index` as it fits the current width.
    QString shownText(int index) const;
    // All entries painted at `width` pixels on `background`, for printing.
    QImage entriesImage(int width, const QColor& background) const;

Q_SIGNALS:
    void entryPressed(int index, Qt::MouseButton button, QPoint globalPos);
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintEntries(QPainter& painter, int width) const;

    std::vector<Entry> m_entries;
    int m_selected = -1;
    QColor m_outline;
};
