// "Check Bandwidth Usage" from the button press to the hand-over, against the simulated
// portal on a loopback port, on the window's own event loop.
#include "desktop/MainWindowRun.h"

#include "DesktopFixture.h"
#include "controls/ctlTabs.h"
#include "history/MonthHistory.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
#include "retrieval/CacheFileList.h"
#include "retrieval/CacheMode.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/SessionMessages.h"
#include "support/FileContent.h"
#include "support/RecordingMessages.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

namespace {

class PortalRun : public DesktopWindow {
protected:
    void SetUp() override { ASSERT_TRUE(portal.start()); }

    std::unique_ptr<frmMain> openFilled(const QString& password = "secret") {
        auto window = open();
        get<QLineEdit>(*window, "txtUserName")->setText("Jos\u00e9");
        get<QLineEdit>(*window, "txtPassword")->setText(password);
        get<QComboBox>(*window, "cmbAdminURL")
            ->setEditText(QString::fromStdString(portal.baseUrl()));
        get<QAbstractButton>(*window, "chkEnableCache")->setChecked(true);
        get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(1);
        return window;
    }

    // Presses the button and waits until the run has ended and any hand-over is over.
    void check(frmMain& window) {
        QTest::mouseClick(control(window, "cmdCalculate"), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !window.run().running() && !window.run().handOverPending(); }, 30000));
    }

    QByteArray monthFile() const {
        return fileContent(QDir(monthFolder.path()).filePath("2007-03-Jos\u00e9.cache"));
    }

    SimulatedPortal portal{simTestConfig()};
};

} // namespace

TEST_F(PortalRun, PasswordVersionWalksTheMonthAndHandsItOver) {
    const auto window = openFilled();
    window->options().mblnNightUnlimitedPlan = true;
    QSignalSpy handedOver(&window->run(), &MainWindowRun::handOverFinished);
    QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 2); // "Processing"
    EXPECT_TRUE(control(*window, "cmdStop")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver.count() == 1; }, 30000));

    EXPECT_TRUE(messages.shown().empty()) << messages.lastText().toStdString();
    EXPECT_EQ(handOver.windows, 1);
    // the report is in the window when it is shown, with the main window's options
    EXPECT_EQ(handOver.shown, 1);
    EXPECT_TRUE(handOver.copiedOptions.mblnNightUnlimitedPlan);
    EXPECT_NE(handOver.reportHtml.find("usagetype"), std::string::npos);

    EXPECT_TRUE(handedOver.front().front().toBool()); // cache list refreshed
    EXPECT_EQ(get<QComboBox>(*window, "cmbCacheFiles")->currentText(), "2007-03-Jos\u00e9");
    EXPECT_EQ(get<QComboBox>(*window, "cmbCacheFiles")->placeholderText(), "");
    const auto months = MonthHistory::load(monthFolder.path()).months();
    ASSERT_EQ(months.size(), 1u); // the history has the month as soon as the report was shown
    EXPECT_EQ(months.front().portal, portal.baseUrl());
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 1); // "Login Info"
    EXPECT_FALSE(control(*window, "cmdStop")->isEnabled());
    EXPECT_TRUE(get<QLabel>(*window, "lblProgress")->text().startsWith("page "));
    EXPECT_FALSE(get<QTextBrowser>(*window, "WebBrowser1")->toPlainText().isEmpty());
}

TEST_F(PortalRun, ClosedBesideTheStatusIconTheWindowHidesSavesAndTheCheckGoesOn) {
    const auto window = openFilled();
    window->setKeepsRunningInTray(true);
    window->show();
    QObject::connect(
        &window->run(), &MainWindowRun::processingStarted, window.get(),
        [&] { EXPECT_TRUE(window->run().running() && !window->close()); }, Qt::QueuedConnection);
    check(*window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(handOver.shown, 1);
    EXPECT_EQ(settings.read(MainWindowSettings::Section, "txtUserName", ""), "Jos\u00e9");
}

TEST_F(PortalRun, UseCacheDataHandsOverTheStoredMonthWithoutRefreshingTheList) {
    const auto window = openFilled();
    check(*window);
    ASSERT_EQ(handOver.windows, 1);
    const std::string portalReport = handOver.reportHtml;

    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(3);
    QSignalSpy handedOver(&window->run(), &MainWindowRun::handOverFinished);
    // a history that cannot be written is said once, and the reports are shown all the same
    ASSERT_TRUE(QDir().mkdir(QDir(monthFolder.path()).filePath("history.sqlite-wal")));
    check(*window);
    check(*window);
    ASSERT_EQ(handedOver.count(), 2);
    EXPECT_FALSE(handedOver.front().front().toBool());
    EXPECT_EQ(handOver.shown, 3);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.lastText().contains("cannot update the history"));
    // the stored rows read as they were walked (the portal's own total is not stored)
    const auto detail = [](const std::string& html) { return html.substr(html.find("Detail")); };
    EXPECT_EQ(detail(handOver.reportHtml), detail(portalReport));
}

TEST_F(PortalRun, WrongPasswordSaysSoAndReturnsToThePasswordToTypeAgain) {
    const auto window = openFilled("wrong");
    check(*window);
    EXPECT_EQ(messages.lastText(), SessionMessages::LoginRejectedText);
    EXPECT_EQ(handOver.windows, 0);
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 1);
    EXPECT_EQ(window->focusWidget(), control(*window, "txtPassword"));
    EXPECT_EQ(get<QLineEdit>(*window, "txtPassword")->selectedText(), "wrong");
    // the portal's answer stays on view behind the "Processing" tab
    EXPECT_FALSE(get<QTextBrowser>(*window, "WebBrowser1")->toPlainText().isEmpty());
    EXPECT_FALSE(control(*window, "cmdStop")->isEnabled());
}

// Enter in a box with something missing is answered before the portal is asked, with the
// focus in the box to fill.
struct MissingCase {
    const char* name;
    int tab;
    QString user;
    QString password;
    const char* address; // none: the portal's
    const char* message;
    const char* focus;
};

class MissingInput : public PortalRun, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingInput, IsRefusedWithTheFocusOnTheBox) {
    const MissingCase& c = GetParam();
    const auto window = openFilled(c.password);
    get<QLineEdit>(*window, "txtUserName")->setText(c.user);
    if (c.address) {
        get<QComboBox>(*window, "cmbAdminURL")->setEditText(c.address);
    }
    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(c.tab);
    get<ctlTabs>(*window, "ctlPasswordVersion")->setSelectedTab(2);
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(messages.lastText(), c.message);
    EXPECT_EQ(window->focusWidget(), control(*window, c.focus));
    EXPECT_FALSE(window->run().running());
    EXPECT_EQ(get<QComboBox>(*window, "cmbCacheFiles")->placeholderText(),
              CacheFileList::NoneStoredText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MissingInput,
    ::testing::Values(MissingCase{"UserName", 1, " ", "pw", nullptr,
                                  SessionMessages::NoUserNameText, "txtUserName"},
                      MissingCase{"Password", 1, "alice", "", nullptr,
                                  SessionMessages::NoPasswordText, "txtPassword"},
                      // blanks count as no address, in every mode
                      MissingCase{"Address", 3, "", "", "   ", SessionMessages::NoAddressText,
                                  "cmbAdminURL"},
                      MissingCase{"StoredMonth", 3, "alice", "pw", nullptr,
                                  CacheMode::NoSelectionMessage, "cmbCacheFiles"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PortalRun, StopMidWalkLeavesTheStoredMonthAsItWas) {
    const auto window = openFilled();
    check(*window);
    const QByteArray stored = monthFile();
    ASSERT_FALSE(stored.isEmpty());
    portal.addRows(50); // three pages of new rows before the known ones

    // The user's click arrives from the event loop, after the first record page.
    bool stopped = false;
    QObject::connect(
        &window->run(), &MainWindowRun::progressChanged, window.get(),
        [&] {
            if (!stopped && window->run().session().walk().pagesWalked() == 1) {
                stopped = true;
                // pressed again: asked first, and No (the default) leaves the walk running
                QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
                EXPECT_TRUE(
                    messages.lastText().startsWith("A check is under way (page 1 of 5, 20 rows, "));
                EXPECT_TRUE(window->run().running());
                QTest::mouseClick(control(*window, "cmdStop"), Qt::LeftButton);
            }
        },
        Qt::QueuedConnection);
    check(*window);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(window->run().session().walk().pagesWalked(), 1);
    EXPECT_EQ(monthFile(), stored);
    EXPECT_EQ(handOver.windows, 1);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(get<QLabel>(*window, "lblProgress")->text(), "The check was stopped");
    EXPECT_EQ(window->run().restartQuestion(), "");
}

// A stored month whose rows the report refuses says why, shows no window and leaves the
// window as it was.
TEST_F(DesktopWindow, AStoredMonthTheReportRefusesSaysWhyAndShowsNoWindow) {
    FileDataStore::SaveFileData(QDir(monthFolder.path()).filePath("2007-03-alice.cache"),
                                "<tr><td>only</td><td>three</td><td>cells</td></tr>", true);
    const auto window = open();
    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(3);
    EXPECT_EQ(get<QComboBox>(*window, "cmbCacheFiles")->currentText(), "2007-03-alice");
    QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->run().handOverPending(); }, 5000));
    EXPECT_EQ(handOver.shown, 0);
    EXPECT_TRUE(messages.lastText().contains("has 3 cells instead of 9"));
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 1);
}
