#pragma once

#include <string_view>

// One control of a window's design: what it is, its name (the widget's object name) and
// control-array index, its container, caption, place in twips in its container, resizer tag,
// the box it names when it is a caption label, tool tip and visibility at load. A window's
// design is a table of these, containers before what they hold, in the order the window's
// control list has them (the resizer walks that order).
struct ControlDesign {
    enum class Kind {
        TabStrip,     // the tab strip (ctlTabs)
        Frame,        // a container: with a caption a titled frame, without one a tab page
        Panel,        // a container without border or caption
        Label,        // one line of text
        Note,         // wrapped text
        Link,         // a label that opens something when clicked
        TextBox,      // a one-line entry box
        Password,     // an entry box showing "*"
        ReadOnlyText, // a one-line text the user cannot change, centred, without a frame
        CheckBox,     //
        Option,       // one of a group of option buttons
        ComboBox,     // an entry box with a list of suggestions
        ListCombo,    // a list only
        Button,       //
        Viewer,       // read-only rich text (a page on view)
        RowsTable,    // a read-only table of many rows
        Picture,      // a coloured box
        Chart,        // the built-in chart control
        StackedChart, // the stacked-column chart
        NumberBox,    // the numeric entry box
        Marker,       // a reference point for the resizer, never shown
    };

    // Rows read {kind, name, index, container, caption, left, top, width, height} and then,
    // where a control has them, its tag, buddy, tool tip and hidden state.
    constexpr ControlDesign(Kind kind, std::string_view name, int index, std::string_view parent,
                            std::string_view caption, int left, int top, int width, int height,
                            std::string_view tag = {}, std::string_view buddy = {},
                            std::string_view toolTip = {}, bool visible = true)
        : kind(kind)
        , name(name)
        , index(index)
        , parent(parent)
        , caption(caption)
        , left(left)
        , top(top)
        , width(width)
        , height(height)
        , tag(tag)
        , buddy(buddy)
        , toolTip(toolTip)
        , visible(visible) {}

    Kind kind;
    std::string_view name;
    int index;               // a member of a control array when 0 or above
    std::string_view parent; // empty: the window itself
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    std::string_view tag;   // resizer rule and "$~$", then the control's own tag text
    std::string_view buddy; // a caption label: the box it names
    std::string_view toolTip;
    bool visible;
};
