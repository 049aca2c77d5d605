#include "controls/clsCommonDialog.h"

#include "controls/CommonDialogError.h"
#include "support/ScriptedColorChooser.h"
#include "support/ScriptedFileChooser.h"

#include <gtest/gtest.h>

namespace {

// A wrapper as the result window sets one up: start from the current colour.
class clsCommonDialogTest : public ::testing::Test {
protected:
    clsCommonDialogTest() {
        dialog.setFLAGS(1);
        dialog.setColor(0x00E1FFE1);
    }

    ScriptedColorChooser chooser;
    clsCommonDialog dialog{chooser};
};

} // namespace

TEST_F(clsCommonDialogTest, AChosenColourReplacesTheStartingOneAndCustomColoursStartWhite) {
    chooser.alsoSetCustomColors(0x000000FF); // the user paints them in the first dialog
    chooser.answerColor(0x009393FF);
    dialog.ShowColor();
    EXPECT_EQ(dialog.Color(), 0x009393FFu);
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.Action(), 3);
    chooser.answerColor(0);
    dialog.ShowColor();
    ASSERT_EQ(chooser.requests().size(), 2u);
    EXPECT_EQ(chooser.requests()[0].color, 0x00E1FFE1u);
    EXPECT_EQ(chooser.requests()[0].flags, 1u);
    for (const auto custom : chooser.requests()[1].customColors) {
        EXPECT_EQ(custom, 0xFFFFFFu);
    }
}

TEST_F(clsCommonDialogTest, CancellingKeepsTheColourAndRaisesOnlyWhenAsked) {
    chooser.answerCancel();
    dialog.ShowColor();
    EXPECT_EQ(dialog.Color(), 0x00E1FFE1u);
    EXPECT_EQ(dialog.APIReturn(), 0);
    dialog.setCancelError(true);
    chooser.answerCancel();
    try {
        dialog.ShowColor();
        FAIL() << "no error raised";
    } catch (const CommonDialogError& error) {
        EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x8004037Eu));
        EXPECT_EQ(error.description(), "Cancel Pressed");
    }
    EXPECT_EQ(dialog.Color(), 0x00E1FFE1u);
}

TEST_F(clsCommonDialogTest, AFailedDialogReportsItsCodeAndRaisesNothing) {
    dialog.setCancelError(true);
    chooser.answerFailure(-1, 0xFFFF);
    EXPECT_NO_THROW(dialog.ShowColor());
    EXPECT_EQ(dialog.APIReturn(), -1);
    EXPECT_EQ(dialog.ExtendedError(), 0xFFFF);
    EXPECT_EQ(dialog.Color(), 0x00E1FFE1u);
}

TEST(clsCommonDialogSave, ShowSaveHandsThePropertiesOverAndReadsThePathBack) {
    ScriptedFileChooser files;
    clsCommonDialog dialog(files);
    dialog.setFilter("Output file (*.csv)|*.csv");
    dialog.setFLAGS(clsCommonDialog::HideReadOnly);
    // the old fixed-size buffer: a name padded with NUL characters
    dialog.setFileName(QString("usage") + QString(250, QChar(0)));
    files.answerPath("/home/a/march.csv");
    dialog.ShowSave();
    ASSERT_EQ(files.requests().size(), 1u);
    const FileChooser::Request& asked = files.requests()[0];
    EXPECT_EQ(asked.filter, "Output file (*.csv)|*.csv");
    EXPECT_EQ(asked.fileName, "usage");
    EXPECT_EQ(asked.flags, 4u);
    EXPECT_EQ(dialog.Action(), clsCommonDialog::SaveAction);
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.FileName(), "/home/a/march.csv");
    EXPECT_EQ(dialog.FileTitle(), "march.csv");
}

TEST(clsCommonDialogSave, CancelKeepsTheNameAndRaisesOnlyWhenAsked) {
    ScriptedFileChooser files;
    clsCommonDialog dialog(files);
    dialog.setFileName("keep");
    files.answerCancel();
    dialog.ShowSave();
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.FileName(), "keep");
    dialog.setCancelError(true);
    EXPECT_THROW(dialog.ShowSave(), CommonDialogError); // the queue is empty: a cancel
    // a wrapper made for files only shows no colour dialog
    dialog.ShowColor();
    EXPECT_EQ(dialog.Action(), clsCommonDialog::ColorAction);
    EXPECT_EQ(dialog.APIReturn(), 0);
}
