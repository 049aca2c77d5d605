#include "controls/clsCommonDialog.h"

#include "support/ScriptedFileChooser.h"

#include <gtest/gtest.h>

// The path, its extension and a cancel go through the report output's tests, the colour dialog
// through the real chooser's; here what reaches the save chooser itself.
TEST(clsCommonDialog, TheSaveDialogGetsItsFilterAndFlags) {
    ScriptedFileChooser files;
    clsCommonDialog save(files);
    save.setFilter("Output file (*.csv)|*.csv");
    save.setFLAGS(clsCommonDialog::HideReadOnly);
    save.ShowSave();
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].filter, "Output file (*.csv)|*.csv");
    EXPECT_EQ(files.requests()[0].flags, 4u);
}
