#include "controls/clsCommonDialog.h"

#include "controls/CommonDialogError.h"
#include "controls/ScriptedColorChooser.h"

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
