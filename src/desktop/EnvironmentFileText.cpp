#include "desktop/EnvironmentFileText.h"

#include "platform/Failure.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {

// The name a line sets, when it sets one; the service manager allows blanks before the "=".
QString nameSet(const QString& line) {
    static const QRegularExpression assignment(QStringLiteral("^\\s*([A-Za-z_]\\w*)\\s*="));
    return assignment.match(line).captured(1);
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        const QChar quote = value.front();
        value = value.mid(1, value.size() - 2);
        if (quote == '"') {
            value.replace(QRegularExpression(QStringLiteral("\\\\(.)")), QStringLiteral("\\1"));
        }
    }
    return value;
}

// Plain when the value holds only what needs no quoting, else in double quotes with the
// characters that quoting gives a meaning escaped.
QString written(const QString& name, const QString& value) {
    if (std::any_of(value.begin(), value.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        throw Failure("The value of " + name.toStdString() +
                      " holds a line break or another control character: it cannot be written.");
    }
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9 ._:/,@+%=~-]*$"));
    if (plain.match(value).hasMatch() && value.trimmed() == value) {
        return name + '=' + value;
    }
    QString escaped = value;
    escaped.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\""));
    return name + "=\"" + escaped + '"';
}

} // namespace

std::optional<QString> EnvironmentFileText::value(const QString& text, const QString& name) {
    std::optional<QString> found;
    for (const QString& line : text.split('\n')) {
        if (nameSet(line) == name) {
            found = unquoted(line.mid(line.indexOf('=') + 1));
        }
    }
    return found;
}

QString EnvironmentFileText::withValues(const QString& text,
                                        const std::vector<std::pair<QString, QString>>& values) {
    QStringList lines = text.isEmpty() ? QStringList() : text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast(); // the final line end
    }
    for (const auto& [name, value] : values) {
        const QString line = written(name, value);
        bool placed = false;
        for (auto it = lines.begin(); it != lines.end();) {
            if (nameSet(*it) != name) {
                ++it;
            } else if (!placed) {
                *it++ = line;
                placed = true;
            } else {
                it = lines.erase(it);
            }
        }
        if (!placed) {
            lines << line;
        }
    }
    return lines.join('\n') + '\n';
}
