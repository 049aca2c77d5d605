#include "controls/QtColorChooser.h"

#include "controls/clsCommonDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Acts on the colour dialog once it is up: checks it starts from `start` with white custom
// colours, paints one as a user might, then picks `color`, or cancels when it is invalid.
void answerDialog(QColor start, QColor color) {
    QTimer::singleShot(0, qApp, [start, color] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), start);
        EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::white));
        QColorDialog::setCustomColor(3, Qt::blue);
        if (color.isValid()) {
            dialog->setCurrentColor(color);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

} // namespace

// As the result window asks for a row colour: from the current one, fresh custom colours each
// time; a cancel keeps the colour.
TEST(QtColorChooser, TheDialogStartsFromTheColourAndHandsBackTheChoice) {
    QtColorChooser chooser;
    clsCommonDialog dialog(chooser);
    dialog.setFLAGS(1);
    dialog.setColor(0x00E1FFE1);
    QColorDialog::setCustomColor(3, Qt::red);
    answerDialog(QColor(0xE1, 0xFF, 0xE1), QColor(10, 200, 25));
    dialog.ShowColor();
    EXPECT_EQ(dialog.APIReturn(), 1);
    EXPECT_EQ(dialog.Color(), 0x0019C80Au);

    answerDialog(QColor(10, 200, 25), QColor());
    dialog.ShowColor();
    EXPECT_EQ(dialog.APIReturn(), 0);
    EXPECT_EQ(dialog.Color(), 0x0019C80Au);
}
