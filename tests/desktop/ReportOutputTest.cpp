#include "desktop/ReportOutput.h"

#include "ResultWindowHarness.h"
#include "controls/clsCommonDialog.h"
#include "support/FileContent.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReportOutputTest : public ::testing::Test, protected ResultWindowHarness {
protected:
    void SetUp() override {
        options.mblnNightUnlimitedPlan = true;
        options.mblnExcludeFree = true;
        open();
    }
    void clickSave() { get<QPushButton>("cmdSave")->click(); }
    void clickExport() { get<QPushButton>("cmdExport")->click(); }
    QByteArray file(const QString& name) const { return fileContent(folder.filePath(name)); }
    void writeFile(const QString& name, const QByteArray& bytes) {
        ASSERT_TRUE(writeContent(folder.filePath(name), bytes));
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(ReportOutputTest, SaveAsksThroughTheSaveDialogAndAddsTheExtension) {
    files.answerPath(folder.filePath("usage"));
    clickSave();
    const QByteArray saved = file("usage.htm");
    EXPECT_TRUE(saved.contains("class=\"nonfree\""));
    EXPECT_FALSE(saved.contains("class=\"free\"")); // the excluded rows are not in the report
    EXPECT_EQ(messages.lastText(), "File saved successfully");
    EXPECT_EQ(messages.shown().back().icon, MessageIcon::Information);
}

TEST_F(ReportOutputTest, AnExistingFileIsReplacedOnlyAfterYes) {
    writeFile("usage.csv", "old");
    files.answerPath(folder.filePath("usage.csv"));
    messages.setNextAnswer(false);
    clickExport();
    EXPECT_EQ(file("usage.csv"), "old");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "File Already exist. So you want to overwrite ?");
    EXPECT_TRUE(messages.shown()[0].question);

    files.answerPath(folder.filePath("usage.csv"));
    messages.setNextAnswer(true);
    clickExport();
    // the header and the twenty kept rows (free rows excluded); the command line's tests
    // check a whole export byte for byte
    EXPECT_EQ(file("usage.csv").count("\r\n"), 21);
    EXPECT_EQ(messages.shown().size(), 2u); // the question only: an export says nothing more
}

TEST_F(ReportOutputTest, CancelAndFailuresWriteNothingAndClaimNoSuccess) {
    files.answerCancel();
    clickSave();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    // a folder that cannot be created: the writer reports it, no success follows
    writeFile("blocker", "");
    files.answerPath(folder.filePath("blocker/usage.htm"));
    clickSave();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.lastText().startsWith("Cannot write " + folder.filePath("blocker")));
    EXPECT_EQ(messages.shown()[0].title, "Veltrix");
}

TEST_F(ReportOutputTest, TheWholeReportPrintsAndSavesAsPdf) {
    const QString printed = folder.filePath("printed.pdf");
    printer = [printed] {
        auto paper = std::make_unique<QPrinter>();
        paper->setOutputFormat(QPrinter::PdfFormat);
        paper->setOutputFileName(printed);
        return paper;
    };
    open();
    QMenu* menu = get<QPushButton>("cmdPrint")->menu();
    ASSERT_EQ(menu->actions().size(), 2);
    menu->actions()[0]->trigger();
    EXPECT_TRUE(file("printed.pdf").startsWith("%PDF"));

    files.answerPath(folder.filePath("march"));
    menu->actions()[1]->trigger();
    EXPECT_TRUE(file("march.pdf").startsWith("%PDF"));
    EXPECT_EQ(messages.lastText(), "File saved successfully");
    files.answerCancel();
    menu->actions()[1]->trigger();
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(ShowSaveDialogTest, TheExtensionRuleAndTheBuffersPadding) {
    struct Case {
        QString chosen;
        QString expected;
    };
    const Case cases[] = {
        {"usage", "usage.htm"},         {"usage.htm", "usage.htm"},
        {"usage.HTM", "usage.HTM.htm"}, {"a.htm.bak", "a.htm.bak"},
        {"/tmp/x.htmx", "/tmp/x.htmx"}, {QString("name") + QChar(0) + "   ", "name.htm"}};
    for (const Case& c : cases) {
        ScriptedFileChooser chooser;
        chooser.answerPath(c.chosen);
        clsCommonDialog dialog(chooser);
        EXPECT_EQ(ReportOutput::ShowSaveDialog(dialog, "", "", "htm"), c.expected);
    }
    ScriptedFileChooser cancelling;
    clsCommonDialog dialog(cancelling);
    EXPECT_TRUE(ReportOutput::ShowSaveDialog(dialog, "", "start", "csv").isEmpty());
    EXPECT_EQ(cancelling.requests().at(0).fileName, "start");
}
