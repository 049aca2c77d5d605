// The main window as a user and assistive technology meet it: captions, accessible names,
// the tab strips, the resizer, the address list and the settings it restores and stores.
#include "DesktopFixture.h"
#include "controls/ctlTabs.h"
#include "desktop/ScheduledCheckDialog.h"
#include "retrieval/AttachHelp.h"
#include "retrieval/ClsAsmXor.h"
#include "support/FileContent.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr char Section[] = "ScreenSettings";

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString labelOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

// Alice's remembered password "pw" for https://x.example/, scrambled as an earlier version kept it.
void rememberScrambled(SettingsStore& settings) {
    QString scrambled = "pw";
    ClsAsmXor().EnDeCrypt(scrambled, ClsAsmXor::PasswordKey);
    settings.write(Section, "txtUserName", "alice");
    settings.write(Section, "AdminURL", "https://x.example/");
    settings.write(Section, "chkSavePassword", "1");
    settings.write(Section, "txtPasswordnew", scrambled);
}

} // namespace

TEST_F(DesktopWindow, EveryControlAUserCanReachIsNamed) {
    const auto window = open();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    // a combo box reads as its text on this desktop; its label names it through the relation
    EXPECT_EQ(labelOf(control(*window, "cmbAdminURL")), "Administrative login url");
    const QStringList months = {"2007-03", "2007-02", "2007-01", "2006-12", "2006-11", "2006-10"};
    for (int k = 0; k < 6; ++k) { // 31 March: each month as far back as the calendar allows
        EXPECT_EQ(accessibleName(control(*window, "optDate", k)), months[k]);
    }
    EXPECT_TRUE(get<QRadioButton>(*window, "optDate", 0)->isChecked());
    // Nothing a user can act on is left without a name, and no text names a browser this
    // desktop does not have.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        EXPECT_FALSE((label ? label->text() : accessibleName(widget)).contains("Internet"))
            << widget->objectName().toStdString();
        if ((qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
             qobject_cast<QComboBox*>(widget) || qobject_cast<ctlTabs*>(widget)) &&
            !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            EXPECT_FALSE(accessibleName(widget).isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(DesktopWindow, TabStripIsAPageTabListWhoseTabsCanBeChosen) {
    const auto window = open();
    window->show();
    auto* strip = get<ctlTabs>(*window, "ctlTabs1");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip);
    ASSERT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_GE(list->childCount(), 3);
    EXPECT_EQ(list->child(2)->parent(), list);
    EXPECT_EQ(list->child(2)->text(QAccessible::Name), "Use Cache Data");
    list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip->SelectedTab(), 3);
    EXPECT_TRUE(list->child(2)->state().selected);
}

// Typing starts in the user name; Tab goes in reading order, one stop for the month buttons;
// Enter presses "Check Bandwidth Usage" from any box, Escape closes; no two mnemonics clash.
TEST_F(DesktopWindow, KeyboardAloneReachesEveryControlInReadingOrder) {
    const auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        return qobject_cast<QComboBox*>(widget->parentWidget()) ? widget->parentWidget() : widget;
    };
    EXPECT_EQ(focused(), control(*window, "txtUserName"));
    QStringList order;
    for (int stop = 0; stop < 15; ++stop) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        order << focused()->objectName();
    }
    EXPECT_EQ(order.join(' '), "txtPassword chkSavePassword optDate cmbAdminURL cmdAddURL "
                               "cmdDeleteURL chkEnableCache Label12 cmdSchedule cmdCalculate "
                               "cmdClose lblWebsite ctlTabs1 ctlPasswordVersion txtUserName");
    // back to the page's strip, whose arrows choose the page
    for (const auto key : {Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Right, Qt::Key_Right}) {
        QTest::keyClick(focused(), key);
    }
    EXPECT_EQ(get<ctlTabs>(*window, "ctlTabs1")->SelectedTab(), 3);
    EXPECT_FALSE(control(*window, "chkEnableCache")->isVisible());

    QTest::keyClick(control(*window, "cmbCacheFiles"), Qt::Key_Return);
    EXPECT_EQ(messages.lastText(), "Select one cache file to create report");
    QMap<QKeySequence, QString> mnemonics;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString text = button ? button->text() : label ? label->text() : QString();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) {
            EXPECT_FALSE(mnemonics.contains(key))
                << text.toStdString() << " and " << mnemonics[key].toStdString();
            mnemonics[key] = text;
        }
    }
    control(*window, "lblWebsite")->setFocus(Qt::TabFocusReason); // a link opens by Enter
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(shell.opened.size(), 1u);
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The rules themselves are the resizer's tests; here the window hands it its outer size and
// keeps the login page centred although its rule counts among those placed first.
TEST_F(DesktopWindow, ResizingWidensTheTabsAndKeepsTheButtonsAtTheEdges) {
    const auto window = open();
    window->show();
    const QSize design = outerTwips(*window);
    const QRect tabsAtDesign = twips(control(*window, "ctlTabs1"));
    window->resize(window->size() + QSize(40, 20)); // 600 by 300 twips
    const QSize outer = outerTwips(*window);
    EXPECT_EQ(twips(control(*window, "cmdCalculate")).topLeft(),
              QPoint(outer.width() - 3810, outer.height() - 1065));
    EXPECT_EQ(twips(control(*window, "ctlTabs1")).size(), tabsAtDesign.size() + QSize(600, 300));
    const QRect center = twips(control(*window, "picCenter"));
    EXPECT_NEAR(twips(control(*window, "fraLoginInfo")).x(), center.right() + 1 - 4260, 15);
    window->resize(200, 150); // below the design size: held at it
    EXPECT_EQ(outerTwips(*window), design);
}

TEST_F(DesktopWindow, AddAndDeleteAddressesWithTheirMessages) {
    const auto window = open();
    auto* box = get<QComboBox>(*window, "cmbAdminURL");

    box->setEditText(" https://portal.example/"); // one of the four defaults
    QTest::mouseClick(control(*window, "cmdAddURL"), Qt::LeftButton);
    EXPECT_EQ(messages.lastText(), " https://portal.example/ is already in the list");
    EXPECT_EQ(box->count(), 4);

    box->setEditText("HTTPS://portal.example/ "); // case counts: a new address
    QTest::mouseClick(control(*window, "cmdAddURL"), Qt::LeftButton);
    EXPECT_EQ(box->count(), 5);
    EXPECT_EQ(messages.shown().size(), 1u);

    messages.setNextAnswer(true);
    box->setEditText("https://gone.example/");
    QTest::mouseClick(control(*window, "cmdDeleteURL"), Qt::LeftButton);
    EXPECT_EQ(messages.lastText(), "https://gone.example/ not found in the list");

    box->setEditText("https://new.example/ ");
    QTest::mouseClick(control(*window, "cmdAddURL"), Qt::LeftButton);
    EXPECT_EQ(box->itemText(5), "https://new.example/");

    QTest::mouseClick(control(*window, "cmdDeleteURL"), Qt::LeftButton); // answered No
    EXPECT_EQ(messages.lastText(), "Delete https://new.example/  from the list ?");
    EXPECT_EQ(box->count(), 6);
    messages.setNextAnswer(true);
    QTest::mouseClick(control(*window, "cmdDeleteURL"), Qt::LeftButton);
    EXPECT_EQ(box->count(), 5);
    EXPECT_EQ(box->currentIndex(), 0);

    window->close();
    EXPECT_EQ(settings.read(Section, "URLs", ""),
              AdminUrlList::defaultText() + "HTTPS://portal.example/#");
}

TEST_F(DesktopWindow, RestoresItsSettingsAndStoresThemWhenClosed) {
    rememberScrambled(settings);
    settings.write(Section, "mblnCachingEnabled ", "True");
    settings.write(Section, "ctlTabs1.SelectedTab", "3");
    settings.write(Section, "URLs", "https://x.example/#  #https://y.example/#");
    settings.write(Section, "WindowState", "1");
    settings.write(Section, "Width", "10620"); // 700 pixels and the frame
    {
        const auto window = open();
        EXPECT_EQ(get<QLineEdit>(*window, "txtUserName")->text(), "alice");
        EXPECT_EQ(get<QLineEdit>(*window, "txtPassword")->text(), "pw");
        EXPECT_TRUE(get<QAbstractButton>(*window, "chkEnableCache")->isChecked());
        EXPECT_EQ(get<ctlTabs>(*window, "ctlTabs1")->SelectedTab(), 3);
        EXPECT_EQ(get<QComboBox>(*window, "cmbAdminURL")->count(), 2);
        EXPECT_EQ(get<QComboBox>(*window, "cmbAdminURL")->currentText(), "https://x.example/");
        EXPECT_FALSE(window->isMinimized());
        EXPECT_EQ(window->width(), 700);

        get<QAbstractButton>(*window, "chkSavePassword")->setChecked(false);
        QTest::mouseClick(control(*window, "cmdClose"), Qt::LeftButton);
    }
    EXPECT_EQ(settings.read(Section, "txtPasswordnew", "?"), "");
    EXPECT_EQ(settings.read(Section, "chkSavePassword", "?"), "0");
    EXPECT_EQ(settings.read(Section, "URLs", "?"), "https://x.example/#https://y.example/#");
    EXPECT_EQ(settings.read(Section, "WindowState", "?"), "0");
    EXPECT_EQ(settings.read(Section, "Width", "?"), "10620");
}

TEST_F(DesktopWindow, BrowserHelpGivesTheCommandForThePortAndThePortIsKept) {
    settings.write(Section, "DebugPort", "9333");
    {
        const auto window = open();
        auto* port = get<QLineEdit>(*window, "txtDebugPort");
        EXPECT_EQ(port->text(), "9333");
        QTest::mouseClick(control(*window, "cmdBrowserHelp"), Qt::LeftButton);
        EXPECT_TRUE(
            messages.lastText().contains("chromium --remote-debugging-port=9333 --user-data-dir="));
        QTest::mouseClick(control(*window, "cmdCopyCommand"), Qt::LeftButton);
        EXPECT_EQ(QApplication::clipboard()->text(), AttachHelp::startCommand(9333));

        port->clear();
        QTest::keyClicks(port, "x70000"); // no port: the stored one stays in use
        QTest::mouseClick(control(*window, "cmdBrowserHelp"), Qt::LeftButton);
        EXPECT_TRUE(messages.lastText().contains("--remote-debugging-port=9333 "));
        port->clear();
        QTest::keyClicks(port, "9444");
        EXPECT_EQ(get<QLineEdit>(*window, "txtStartCommand")->text(),
                  AttachHelp::startCommand(9444));
        QTest::mouseClick(control(*window, "cmdClose"), Qt::LeftButton);
    }
    EXPECT_EQ(settings.read(Section, "DebugPort", "?"), "9444");
}

TEST_F(DesktopWindow, RemembersThePasswordInTheKeyringAndSaysOnceWhenThereIsNone) {
    const QString account = "alice@https://x.example/";
    rememberScrambled(settings);
    const auto password = [this](QWidget& window) { return get<QLineEdit>(window, "txtPassword"); };
    {
        const auto window = open();
        EXPECT_EQ(password(*window)->text(), "pw");
        EXPECT_EQ(keyring.secrets[account], "pw"); // moved at once, not at close
        EXPECT_EQ(settings.read(Section, "txtPasswordnew", "?"), "");
        password(*window)->setText("changed");
        window->close();
    }
    EXPECT_EQ(keyring.secrets[account], "changed");
    EXPECT_EQ(settings.read(Section, "txtPasswordnew", "?"), "");
    {
        const auto window = open(); // another user now: the old pair's entry goes
        get<QLineEdit>(*window, "txtUserName")->setText("bob");
        window->close();
    }
    EXPECT_EQ(keyring.secrets.count(account), 0U);
    EXPECT_EQ(keyring.labels["bob@https://x.example/"], "Veltrix: bob at x.example");
    {
        const auto window = open();
        EXPECT_EQ(password(*window)->text(), "changed");
        get<QAbstractButton>(*window, "chkSavePassword")->setChecked(false);
        window->close();
    }
    EXPECT_TRUE(keyring.secrets.empty()); // not remembered: forgotten
    EXPECT_TRUE(messages.shown().empty());

    keyring.reachable = false; // kept scrambled, as before, and the window says so once a run
    settings.write(Section, "chkSavePassword", "1");
    {
        const auto window = open();
        password(*window)->setText("typed");
        window->close();
    }
    ASSERT_EQ(messages.shown().size(), 1U);
    EXPECT_EQ(messages.lastText(), RememberedPassword::OnlyScrambledNotice);
    QString stored = settings.read(Section, "txtPasswordnew", "");
    ClsAsmXor().EnDeCrypt(stored, ClsAsmXor::PasswordKey);
    EXPECT_EQ(stored, "typed");
    {
        const auto window = open(); // said once the window is up, not again at close
        EXPECT_EQ(messages.shown().size(), 1U);
        QCoreApplication::processEvents();
        EXPECT_EQ(messages.shown().size(), 2U);
        window->close();
    }
    EXPECT_EQ(messages.shown().size(), 2U);

    keyring.reachable = true; // a keyring that stays locked gets nothing, and the file neither
    keyring.locked = true;
    {
        const auto window = open();
        password(*window)->setText("new");
        window->close();
    }
    EXPECT_TRUE(messages.lastText().startsWith(RememberedPassword::NotRememberedNotice));
    EXPECT_EQ(settings.read(Section, "txtPasswordnew", "?"), "");
}

// "Scheduled check..." on the window's own services: a share the box shows as "off" is off.
TEST_F(DesktopWindow, ScheduledCheckTakesAShareTheBoxShowsAsOffAsOff) {
    const auto window = open();
    ASSERT_TRUE(QDir().mkpath(monthFolder.filePath("config/veltrix")));
    writeContent(monthFolder.filePath("config/veltrix/check.env"), "VELTRIX_ALERT_AT=0.4\n");
    QTimer::singleShot(0, window.get(), [&] { // in the dialog's own event loop
        auto* dialog = window->findChild<ScheduledCheckDialog*>();
        EXPECT_EQ(dialog->choice().alertAtPercent, std::nullopt);
        dialog->reject();
    });
    window->cmdSchedule_Click();
}
