// The History window: the months of the user in "Netravo UserName", every plan summed over
// them, and a month opened as "Use Cache Data" opens it.
#include "desktop/frmHistory.h"

#include "DesktopFixture.h"
#include "cli/TestFiles.h"
#include "desktop/HistoryWindowState.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

class HistoryWindow : public DesktopWindow {
protected:
    void SetUp() override {
        storeMonth(file("2007-03-alice"), marchDays(10, 1000));
        storeMonth(file("2007-02-alice"), marchRow(1, 7));
        storeMonth(file("2007-03-bob"), marchDays(2, 50));
    }
    QString file(const QString& entry) const {
        return QDir(monthFolder.path()).filePath(entry + ".cache");
    }
    std::unique_ptr<frmHistory> history(const QString& user) {
        return std::make_unique<frmHistory>(
            HistoryWindowSeams{settings, messages, clock, monthFolder.path()}, user,
            [this](const QString& entry) { opened << entry; });
    }
    static QTableView* table(QWidget& window, const char* name) {
        return window.findChild<QTableView*>(name);
    }
    QStringList opened;
};

} // namespace

TEST_F(HistoryWindow, ListsTheUsersMonthsAndOpensOneByDoubleClickOrEnter) {
    settings.write("ScreenSettings", "Plan6", "0");
    const auto window = history("alice");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTableView* months = table(*window, "grdMonths");
    ASSERT_EQ(months->model()->rowCount(), 2);

    const QPoint february = months->visualRect(months->model()->index(1, 0)).center();
    QTest::mouseClick(months->viewport(), Qt::LeftButton, {}, february);
    QTest::mouseDClick(months->viewport(), Qt::LeftButton, {}, february);
    QTest::keyClick(months, Qt::Key_Up);
    QTest::keyClick(months, Qt::Key_Return); // once, though the table and the dialog both see it
    EXPECT_EQ(opened, QStringList({"2007-02-alice", "2007-03-alice"}));

    // cheapest first by the amount, not by its text ("Rs. 1000.00" before "Rs. 999.00")
    const QAbstractItemModel* plans = table(*window, "grdPlans")->model();
    ASSERT_GT(plans->rowCount(), 10);
    EXPECT_GT(plans->index(0, 2).data(Qt::UserRole).toLongLong(), 0); // no custom plan at nil
    for (int row = 1; row < plans->rowCount(); ++row) {
        EXPECT_LE(plans->index(row - 1, 2).data(Qt::UserRole).toLongLong(),
                  plans->index(row, 2).data(Qt::UserRole).toLongLong());
    }
    EXPECT_TRUE(window->findChild<QLabel*>("lblAdvice")->text().startsWith("Over these 2 months "));
}

TEST_F(HistoryWindow, EveryUsersMonthsADeletedFileAndADamagedDatabaseAreSaid) {
    MonthHistory::load(monthFolder.path());
    QFile::remove(file("2007-02-alice"));
    const auto window = history("");
    EXPECT_EQ(window->state().monthCount(), 3);
    EXPECT_EQ(table(*window, "grdPlans")->model()->rowCount(), 0); // no user's question
    EXPECT_TRUE(window->findChild<QLabel*>("lblAdvice")->text().contains("one user"));
    window->openMonth(2);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(messages.lastText().contains("2007-02 of alice was deleted"));

    ASSERT_TRUE(writeContent(QDir(monthFolder.path()).filePath("history.sqlite"), "garbage"));
    window->reload();
    window->reload(); // rebuilt at the first reading: said once, and kept while it is open
    EXPECT_EQ(window->findChild<QLabel*>("lblNotice")->text().count("is damaged"), 1);
}

TEST_F(HistoryWindow, OpensFromEveryPageAndHandsTheMonthToTheResultWindow) {
    const auto main = open();
    get<QLineEdit>(*main, "txtUserName")->setText("bob");
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_H, Qt::ControlModifier);
    auto* window = main->findChild<frmHistory*>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "History of bob");
    window->openMonth(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handOver.shown == 1; }, 5000));
    EXPECT_NE(handOver.reportHtml.find("2007-03-02"), std::string::npos);
}
