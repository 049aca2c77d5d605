#pragma once

#include "controls/ResizerWindow.h"

#include <QString>
#include <array>
#include <vector>

// Keeps a window's layout usable while the user resizes it. Each control that should react
// carries a rule in its Tag ("Left:Top:Width:Height$~$"): InitResizer compiles the rules once
// and orders them so that a control follows the controls it refers to; FormResized applies
// them after every size change.
class ControlResizer {
public:
    // Axis order of the four rule fields.
    enum Axis { Left, Top, Width, Height };
    static constexpr int NoReference = -1;
    // A reference to a name no control of the window bears: the field is left alone.
    static constexpr int UnknownReference = -2;

    struct Record {
        int position = 0;
        QString keyName;
        std::array<long, 4> rules{};
        std::array<int, 4> references{NoReference, NoReference, NoReference, NoReference};
        int level = 0;
    };

    void InitResizer(ResizerWindow& frm, int MinWidth, int MinHeight, bool UseFreeResize = false);
    void FormResized(ResizerWindow& frm);

    // The compiled rules in the order they are applied.
    const std::vector<Record>& records() const { return m_records; }

    static QString TextBefore(const QString& text, const QString& separator);
    static QString TextAfter(const QString& text, const QString& separator);
    // The whole number a text stands for ("12", " -4260 ", "1.6" gives 2), else 0.
    static long ToLong(const QString& text);

private:
    void RecordControls(ResizerWindow& frm);
    void RankRecords();
    int RecordLevel(std::size_t record, std::vector<bool>& visiting);
    bool applyPass(ResizerWindow& frm, int width, int height);
    bool applyRecord(ResizerWindow& frm, const Record& record, int width, int height);

    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_previousWidth = 0;
    int m_previousHeight = 0;
    bool m_freeResize = false;
    bool m_initialised = false;
    bool m_wasMinimised = false;
    std::vector<Record> m_records;
};
