#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The text of a file of NAME=value lines as the service manager reads it (EnvironmentFile=):
// values read back, and values set while the other lines, comments included, stay as written.
namespace EnvironmentFileText {

// The value the file gives `name` (the last line that sets it wins), unquoted; none when no
// line sets it.
std::optional<QString> value(const QString& text, const QString& name);

// `text` with each name set to its value: in the place of the first line that set it (later
// ones dropped, or they would win), else added at the end. Throws Failure for a value with a
// line break or another control character, which would end the line early.
QString withValues(const QString& text, const std::vector<std::pair<QString, QString>>& values);

} // namespace EnvironmentFileText
