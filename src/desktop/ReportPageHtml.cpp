#include "desktop/ReportPageHtml.h"

#include "platform/dom/Document.h"
#include "platform/dom/HtmlSerializer.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Element selectors ("TD", "Body") are matched case-sensitively by the page: lower-case them.
// Class and id selectors keep their case.
QString selectorForDisplay(const QString& selector) {
    static const QRegularExpression element(QStringLiteral("(^|[\\s,>+~])([A-Za-z][A-Za-z0-9]*)"));
    QString out = selector;
    QRegularExpressionMatchIterator it = element.globalMatch(selector);
    qsizetype shift = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype start = match.capturedStart(2) + shift;
        out.replace(start, match.capturedLength(2), match.captured(2).toLower());
    }
    return out;
}

bool takesLengths(const QString& property) {
    static const QStringList unitless = {QStringLiteral("font-weight"),
                                         QStringLiteral("line-height"), QStringLiteral("opacity"),
                                         QStringLiteral("z-index")};
    return !unitless.contains(property);
}

QString declarationForDisplay(const QString& declaration) {
    static const QRegularExpression bare(
        QStringLiteral("(^|[\\s,])(\\d+(?:\\.\\d+)?)(?=$|[\\s,])"));
    QStringList out;
    for (const QString& part : declaration.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            continue;
        }
        QString property = part.left(colon).trimmed().toLower();
        QString value = part.mid(colon + 1).trimmed();
        if (property == QLatin1String("font-face")) {
            property = QStringLiteral("font-family"); // an old spelling of the family
        }
        if (property == QLatin1String("font-family") &&
            value.compare(QLatin1String("arial"), Qt::CaseInsensitive) == 0) {
            value = QStringLiteral("'Liberation Sans', Arial, sans-serif");
        }
        if (takesLengths(property)) {
            value.replace(bare, QStringLiteral("\\1\\2px"));
        }
        out.append(property + QLatin1Char(':') + value);
    }
    return out.join(QLatin1Char(';')) + QLatin1Char(';');
}

} // namespace

std::string ReportPageHtml::displayRule(const StyleRule& rule) {
    const QString selector = selectorForDisplay(QString::fromStdString(rule.selector));
    const QString declaration = declarationForDisplay(QString::fromStdString(rule.declaration));
    return (selector + QLatin1Char('{') + declaration + QLatin1Char('}')).toStdString();
}

namespace {

// The report as the page shows it: its style rules written for display, and without the
// nodes `omit` leaves out.
std::string displayHtml(const Document& report, const HtmlSerializer::NodeFilter* omit = nullptr) {
    std::string shown;
    if (!report.styleRules().empty()) {
        shown = "<style>\n";
        for (const StyleRule& rule : report.styleRules()) {
            shown += ReportPageHtml::displayRule(rule) + "\n";
        }
        shown += "</style>";
    }
    HtmlSerializer::Options options;
    options.omit = omit;
    options.headEnd = shown;
    std::string html;
    if (const Element* root = report.documentElement()) {
        HtmlSerializer::appendOuter(html, *root, options);
    }
    return html;
}

} // namespace

QString ReportPageHtml::forDisplay(const Document& report) {
    return QString::fromStdString(displayHtml(report));
}

std::vector<Element*> ReportPageHtml::detailRows(const Document& report) {
    std::vector<Element*> tables;
    if (const Element* body = report.body()) {
        for (Element* child : body->childElements()) {
            if (child->hasTag("table")) {
                tables.push_back(child);
            }
        }
    }
    if (tables.size() < 2) {
        tables = report.getElementsByTagName("table");
    }
    return tables.size() > 1 ? tables[1]->rows() : std::vector<Element*>();
}

QString ReportPageHtml::headerForDisplay(const Document& report) {
    const auto rows = detailRows(report);
    if (rows.size() < 2) {
        return forDisplay(report);
    }
    // the detail table keeps its title row; its header and log rows are shown below the page
    const Element* title = rows[0];
    const Element* body = rows[1]->parent();
    const HtmlSerializer::NodeFilter omit = [title, body](const Node& node) {
        return node.parent() == body && &node != title && node.kind() == Node::Kind::Element &&
               static_cast<const Element&>(node).hasTag("tr");
    };
    return QString::fromStdString(displayHtml(report, &omit));
}
