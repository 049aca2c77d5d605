// The main window's "Non Password Version" on a real Chromium that the user has logged in.
#include "DesktopFixture.h"
#include "chromium/PortalInUsersBrowser.h"
#include "controls/ctlTabs.h"
#include "desktop/MainWindowRun.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

TEST_F(DesktopWindow, NonPasswordVersionWalksTheUsersBrowserAndReportsAsThePasswordVersion) {
    if (ChromiumBrowser::binary().isEmpty()) {
        GTEST_SKIP() << "no chromium binary installed: the browser attach is not tested here";
    }
    PortalInUsersBrowser user;
    ASSERT_EQ(user.open(0), "");

    const auto window = open();
    QSignalSpy handedOver(&window->run(), &MainWindowRun::handOverFinished);
    // the address names the portal: only its windows are read
    get<QComboBox>(*window, "cmbAdminURL")
        ->setEditText(QString::fromStdString(user.portal.baseUrl()));
    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(2);
    get<QLineEdit>(*window, "txtDebugPort")->setText(QString::number(user.chromium.port()));
    QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver.count() == 1; }, 60000))
        << messages.lastText().toStdString();
    EXPECT_TRUE(messages.shown().empty()) << messages.lastText().toStdString();
    EXPECT_EQ(handOver.windows, 1);
    EXPECT_FALSE(window->run().session().mblnExternalWalk());
    EXPECT_TRUE(get<QLabel>(*window, "lblAttachProgress")->text().startsWith("page "));
    const std::string attachedReport = handOver.reportHtml;

    get<ctlTabs>(*window, "ctlTabs1")->setSelectedTab(1);
    get<QLineEdit>(*window, "txtUserName")->setText("Jos\u00e9");
    get<QLineEdit>(*window, "txtPassword")->setText("secret");
    QTest::mouseClick(control(*window, "cmdCalculate"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver.count() == 2; }, 60000));
    EXPECT_EQ(handOver.reportHtml, attachedReport);
}
