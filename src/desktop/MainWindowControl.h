#pragma once

// One control of the main window's design: its kind, name (the control's objectName), array index,
// container, caption, position and size in twips in its container, resizer rule, and the box
// a label names. A window is a table of these, built in order (containers first).
struct MainWindowControl {
    enum class Kind {
        TabStrip,  // ctlTabs
        Frame,     // a page of a tab strip, borderless
        Label,     // one line
        Note,      // wrapped text
        Link,      // a label that opens something when clicked
        TextBox,   //
        Password,  // a text box showing "*"
        CheckBox,  //
        Option,    // one of a group of option buttons
        ComboBox,  // editable with a list
        ListCombo, // a list only
        Button,    //
        Viewer,    // read-only rich text (a page on view)
        Marker,    // an invisible reference point for the resizer
    };

    Kind kind;
    const char* name;
    int index;          // -1 unless the control belongs to a control array
    const char* parent; // "" for the window itself
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    const char* rule;  // resizer rule without its "$~$", or ""
    const char* buddy; // for labels: the box they name, or ""
};
