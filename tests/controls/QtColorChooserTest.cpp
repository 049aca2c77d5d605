#include "controls/QtColorChooser.h"

#include "controls/clsCommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Acts on the colour dialog once it is up: picks `color`, or cancels when it is invalid.
void answerDialog(QColor color) {
    QTimer::singleShot(0, qApp, [color] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::white));
        if (color.isValid()) {
            dialog->setCurrentColor(color);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

} // namespace

TEST(QtColorChooser, TheDialogStartsFromTheColourAndHandsBackTheChoice) {
    QtColorChooser chooser;
    clsCommonDialog dialog(chooser);
    dialog.setFLAGS(1);
    dialog.setColor(0x00E1FFE1);
    QColorDialog::setCustomColor(3, Qt::red);
    answerDialog(QColor(10, 200, 25));
    dialog.ShowColor();
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.Color(), 0x0019C80Au);

    answerDialog(QColor());
    dialog.ShowColor();
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.Color(), 0x0019C80Au);
}
