#include "desktop/ReportPageHtml.h"

#include "platform/dom/Document.h"

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

std::string displayHtml(const Document& report) {
    std::string html = report.outerHTML();
    if (report.styleRules().empty()) {
        return html;
    }
    const std::string written = "<style>\n" + report.styleText() + "</style>";
    std::string shown = "<style>\n";
    for (const StyleRule& rule : report.styleRules()) {
        shown += ReportPageHtml::displayRule(rule) + "\n";
    }
    shown += "</style>";
    const auto at = html.rfind(written);
    if (at != std::string::npos) {
        html.replace(at, written.size(), shown);
    }
    return html;
}

} // namespace

QString ReportPageHtml::forDisplay(const Document& report) {
    return QString::fromStdString(displayHtml(report));
}

QString ReportPageHtml::headerForDisplay(const Document& report) {
    std::string html = displayHtml(report);
    const auto tables = report.getElementsByTagName("table");
    const auto rows = tables.size() > 1 ? tables[1]->rows() : std::vector<Element*>();
    if (rows.size() > 1) {
        // the rows serialise as they appear in the whole document
        const std::string first = rows[1]->outerHTML();
        const std::string last = rows.back()->outerHTML();
        const auto from = html.find(first);
        const auto to = html.rfind(last);
        if (from != std::string::npos && to != std::string::npos && to >= from) {
            html.erase(from, to + last.size() - from);
        }
    }
    return QString::fromStdString(html);
}
