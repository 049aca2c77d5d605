#pragma once

#include "analysis/MonthResult.h"
#include "desktop/CommandRunner.h"
#include "desktop/ResultWindowPort.h"
#include "desktop/frmMain.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "report/ReportOptions.h"
#include "support/FixedClock.h"
#include "support/MemorySecretStore.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingDesktopShell.h"
#include "support/RecordingMessages.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// What the main window did with the result windows it was given.
struct HandOverLog {
    int windows = 0;
    int shown = 0;
    std::string reportHtml; // the document when the window was shown
    ReportOptions copiedOptions;
};

// A result window that records the hand-over instead of showing anything.
class RecordingResultWindow final : public ResultWindowPort {
public:
    explicit RecordingResultWindow(HandOverLog& log)
        : m_log(log) {}

    Document& reportDocument() override { return m_document; }
    PlanChoice planChoice() const override { return {}; }
    void showResult(MonthResult) override {}
    void LoadCombo() override {}
    void setSuppressEvents(bool) override {}
    void copyOptionControls(const ReportOptions& options) override {
        m_log.copiedOptions = options;
    }
    void SetCheckBoxState() override {}
    void showModal() override {
        ++m_log.shown;
        m_log.reportHtml = m_document.outerHTML();
    }

private:
    HandOverLog& m_log;
    Document m_document{Document::Scripts::Strip};
};

// A machine without systemctl: nothing a window test does reaches the real service manager.
class NoServiceManager final : public CommandRunner {
    Outcome run(const QString&, const QStringList&) override { return {}; }
};

// The main window on fixed services: settings and keyring in memory, recorded messages, 31 March
// 2007, a recording shell, the real browser, a recording result window, a fresh month folder.
class DesktopWindow : public ::testing::Test {
protected:
    std::unique_ptr<frmMain> open();

    QWidget* control(QWidget& window, const QString& name, int index = -1) const;
    template <typename T> T* get(QWidget& window, const QString& name, int index = -1) const {
        T* widget = qobject_cast<T*>(control(window, name, index));
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    // Twips of a control's geometry in its container, and of the window's outer size.
    QRect twips(const QWidget* widget) const;
    QSize outerTwips(const QWidget& window) const;

    MemorySettingsStore settings;
    MemorySecretStore keyring;
    RecordingMessages messages;
    FixedClock clock{QDate(2007, 3, 31)};
    RecordingDesktopShell shell;
    std::unique_ptr<Browser> browser;
    QTemporaryDir monthFolder;
    NoServiceManager commands;
    HandOverLog handOver;
};
