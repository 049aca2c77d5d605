#include "cli/TerminalWriter.h"

#include "platform/PlainText.h"

void TerminalWriter::heading(std::string_view text) {
    if (!m_text.empty() || m_continues) {
        m_text += '\n';
    }
    line(paint(text, Tone::Strong));
}

void TerminalWriter::row(std::string_view caption, std::string_view value, Tone tone) {
    line("  " + PadRight(caption, CaptionWidth) + paint(padLeft(value, ValueWidth), tone));
}

void TerminalWriter::line(std::string_view text) {
    m_text += text;
    m_text += '\n';
}

std::string TerminalWriter::paint(std::string_view text, Tone tone) const {
    if (!m_colour || tone == Tone::Plain || text.empty()) {
        return std::string(text);
    }
    const char* code = tone == Tone::Strong ? "1"
                       : tone == Tone::Good ? "32"
                       : tone == Tone::Bad  ? "31"
                                            : "2";
    return std::string("\033[") + code + "m" + std::string(text) + "\033[0m";
}

std::string TerminalWriter::padLeft(std::string_view text, std::size_t width) {
    return text.size() >= width ? std::string(text)
                                : std::string(width - text.size(), ' ') + std::string(text);
}
