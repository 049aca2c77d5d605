#pragma once

#include "platform/Failure.h"

#include <string>
#include <string_view>

class Document;

// A save or export that cannot be made from the report as it stands.
class ExportError : public Failure {
public:
    using Failure::Failure;
};

// The texts the result window saves: the report as HTML and its detail rows as
// comma-separated lines, plus the file-name rule of its save dialog.
namespace ReportExport {

// The report as last written: the root element's outer HTML with the rows' usagetype
// attributes, class names and the style rules.
std::string htmlText(const Document& report);

// The detail table from its header row on, cells 0 to 8 (never the daily total), each cell's
// text trimmed of blanks, ", " between fields but only after some text, CR LF after every
// line. No quoting: the format other tools of the operator's users already read.
// Throws ExportError when a row has fewer cells than the header says.
std::string csvText(const Document& report);

// The text up to (not including) its first NUL character.
std::string TrimAtNull(std::string_view text);

// The chosen path with "." + extension appended unless it already holds that text anywhere
// (exact case): "usage" -> "usage.htm", "usage.HTM" -> "usage.HTM.htm", "a.htm.bak" stays.
std::string withExtension(std::string_view chosenPath, std::string_view extension);

} // namespace ReportExport
