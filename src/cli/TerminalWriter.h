#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Builds text for a terminal: headings, caption/value rows whose values line up on the right,
// and colours only when asked for (escape codes never count towards a column's width).
class TerminalWriter {
public:
    enum class Tone { Plain, Strong, Good, Bad, Dim };
    static constexpr std::size_t CaptionWidth = 36;
    static constexpr std::size_t ValueWidth = 16;

    // `continuesText`: the text will follow other output, so even its first heading is set
    // off by a blank line.
    explicit TerminalWriter(bool colour, bool continuesText = false)
        : m_colour(colour)
        , m_continues(continuesText) {}

    void heading(std::string_view text);
    // "  caption ......... value", the value right-aligned in its column.
    void row(std::string_view caption, std::string_view value, Tone tone = Tone::Plain);
    void line(std::string_view text = {});

    std::string paint(std::string_view text, Tone tone) const;
    const std::string& text() const { return m_text; }

    static std::string padLeft(std::string_view text, std::size_t width);

private:
    bool m_colour;
    bool m_continues;
    std::string m_text;
};
