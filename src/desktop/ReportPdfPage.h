#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

// A text placed on a PDF page, in the page's device units: drawn inside its rectangle with
// the flags given (alignment and word wrap), never outside it.
struct PdfText {
    QRectF rect;
    QString text;
    QFont font;
    QColor colour = Qt::black;
    int flags = 0;
};

// A rectangle filled (unless the fill is invalid) and outlined (unless the line is invalid).
struct PdfBox {
    QRectF rect;
    QColor fill;
    QColor line;
};

// One page of the saved report as positions and texts, before anything is painted: the
// painter only loops over it, and tests read it.
struct ReportPdfPage {
    std::vector<PdfBox> boxes;
    std::vector<PdfText> texts;
    QRectF chart; // where the month's chart goes; empty on the pages without it
};
