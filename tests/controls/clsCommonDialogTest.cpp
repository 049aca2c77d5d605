#include "controls/clsCommonDialog.h"

#include "support/ScriptedColorChooser.h"
#include "support/ScriptedFileChooser.h"

#include <gtest/gtest.h>

// The chosen colour, a cancel and the save dialog's path and extension go through the result
// window's and the report output's tests; here what reaches the choosers themselves.
TEST(clsCommonDialog, EveryColourDialogStartsWithWhiteCustomColoursTheSaveDialogWithItsFilter) {
    ScriptedColorChooser colors;
    clsCommonDialog dialog(colors);
    dialog.setFLAGS(1);
    colors.alsoSetCustomColors(0x000000FF); // the user paints them in the first dialog
    dialog.ShowColor();
    dialog.ShowColor();
    ASSERT_EQ(colors.requests().size(), 2u);
    EXPECT_EQ(colors.requests()[1].flags, 1u);
    for (const auto custom : colors.requests()[1].customColors) {
        EXPECT_EQ(custom, 0xFFFFFFu);
    }

    ScriptedFileChooser files;
    clsCommonDialog save(files);
    save.setFilter("Output file (*.csv)|*.csv");
    save.setFLAGS(clsCommonDialog::HideReadOnly);
    save.ShowSave();
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].filter, "Output file (*.csv)|*.csv");
    EXPECT_EQ(files.requests()[0].flags, 4u);
}
