// "Check Bandwidth Usage" from the button press to the hand-over, against the simulated
// portal on a loopback port, on the window's own event loop.
#include "desktop/MainWindowRun.h"

#include "DesktopFixture.h"
#include "controls/ctlTabs.h"
#include "portal-sim/SimulatedPortal.h"
#include "portalsim/SimTestConfig.h"
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
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 1); // "Login Info"
    EXPECT_FALSE(control(*window, "cmdStop")->isEnabled());
    EXPECT_TRUE(get<QLabel>(*window, "lblProgress")->text().startsWith("page "));
    EXPECT_FALSE(get<QTextBrowser>(*window, "WebBrowser1")->toPlainText().isEmpty());
}

TEST_F(PortalRun, UseCacheDataHandsOverTheStoredMonthWithoutRefreshingTheList) {
    const auto window = openFilled();
    check(*window);
    ASSERT_EQ(handOver.windows, 1);
    const std::string portalReport = handOver.reportHtml;

    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(3);
    QSignalSpy handedOver(&window->run(), &MainWindowRun::handOverFinished);
    check(*window);
    ASSERT_EQ(handedOver.count(), 1);
    EXPECT_FALSE(handedOver.front().front().toBool());
    EXPECT_EQ(handOver.shown, 2);
    EXPECT_TRUE(messages.shown().empty());
    // the stored rows read as they were walked (the portal's own total is not stored)
    const auto detail = [](const std::string& html) { return html.substr(html.find("Detail")); };
    EXPECT_EQ(detail(handOver.reportHtml), detail(portalReport));
}

TEST_F(PortalRun, WrongPasswordLeavesThePortalPageOnViewAndSaysSo) {
    const auto window = openFilled("wrong");
    check(*window);
    EXPECT_EQ(messages.lastText(), SessionMessages::LoginRejectedText);
    EXPECT_EQ(handOver.windows, 0);
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 2);
    EXPECT_FALSE(get<QTextBrowser>(*window, "WebBrowser1")->toPlainText().isEmpty());
    EXPECT_FALSE(control(*window, "cmdStop")->isEnabled());
}

TEST_F(PortalRun, MissingInputIsRefusedWithTheFocusOnTheBox) {
    const auto window = openFilled();
    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(3);
    check(*window); // no stored month yet
    EXPECT_EQ(messages.lastText(), "Select one cache file to create report");
    EXPECT_EQ(window->focusWidget(), control(*window, "cmbCacheFiles"));

    get<QComboBox>(*window, "cmbAdminURL")->setEditText("   ");
    check(*window); // blanks count as no address, in every mode
    EXPECT_EQ(messages.lastText(), SessionMessages::NoAddressText);
    EXPECT_EQ(window->focusWidget(), control(*window, "cmbAdminURL"));
    EXPECT_EQ(handOver.windows, 0);
}

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
                EXPECT_TRUE(window->run().restartQuestion().startsWith(
                    "A check is under way (page 1 of 5, 20 rows, "));
                QTest::mouseClick(control(*window, "cmdStop"), Qt::LeftButton);
            }
        },
        Qt::QueuedConnection);
    check(*window);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(window->run().session().walk().pagesWalked(), 1);
    EXPECT_EQ(monthFile(), stored);
    EXPECT_EQ(handOver.windows, 1);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(get<QLabel>(*window, "lblProgress")->text(), "The check was stopped");
    EXPECT_EQ(window->run().restartQuestion(), "");
}

// A stored month whose rows cannot make a report says why and shows no window; one that
// yields no detail table still shows the window with what it holds.
struct StoredMonthCase {
    const char* name;
    const char* rows;
    bool shown;
    const char* message;
};

class StoredMonth : public DesktopWindow, public ::testing::WithParamInterface<StoredMonthCase> {};

TEST_P(StoredMonth, HandsOverOrSaysWhyNot) {
    FileDataStore::SaveFileData(QDir(monthFolder.path()).filePath("2007-03-alice.cache"),
                                GetParam().rows, true);
    const auto window = open();
    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(3);
    EXPECT_EQ(get<QComboBox>(*window, "cmbCacheFiles")->currentText(), "2007-03-alice");
    QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->run().handOverPending(); }, 5000));
    EXPECT_EQ(handOver.shown == 1, GetParam().shown);
    EXPECT_TRUE(messages.lastText().contains(GetParam().message))
        << messages.lastText().toStdString();
    EXPECT_EQ(get<ctlTabs>(*window, "ctlPasswordVersion")->SelectedTab(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredMonth,
    ::testing::Values(StoredMonthCase{"BadRow",
                                      "<tr><td>only</td><td>three</td><td>cells</td></tr>", false,
                                      "has 3 cells instead of 9"},
                      // text without a single log row is a damaged file, not an empty month
                      StoredMonthCase{"NoRowAtAll", "</table></table><table>", false,
                                      "is damaged (it holds no log row)"}),
    [](const auto& info) { return std::string(info.param.name); });
