#pragma once

#include <string_view>

// One control of a window design: what it is, where it sits (twips, in its container's
// coordinates), its caption, tool tip and resizer tag, and the control it names when it is a
// caption label. A window's design is a table of these, its containers before their children.
struct ControlDesign {
    enum class Kind {
        Frame, // a container with caption and border
        Panel, // a container without border or caption
        Label,
        Link, // a label that opens a web page
        Button,
        Check,
        Combo,        // a drop-down list
        Picture,      // a coloured box
        TextBox,      // a read-only one-line text
        Browser,      // read-only rich text
        RowsTable,    // a read-only table of many rows
        Chart,        // the built-in chart control
        StackedChart, // our stacked-column chart
        NumberBox,    // the numeric entry box
        Tabs,         // the tab strip
    };

    std::string_view name;
    int index = -1; // member of a control array when 0 or above
    Kind kind = Kind::Label;
    std::string_view parent; // empty: the window itself
    std::string_view caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view tag; // resizer rule and "$~$", then the control's own tag text
    std::string_view toolTip;
    bool visible = true;
    std::string_view buddy; // a caption label: the box it names
};
