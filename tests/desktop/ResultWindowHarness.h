#pragma once

#include "analysis/MonthAnalysis.h"
#include "desktop/frmResult.h"
#include "report/ReportOptions.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingDesktopShell.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedColorChooser.h"
#include "support/ScriptedFileChooser.h"
#include "support/TestData.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <memory>

// The result window over the worked example month, handed over as the main window does it:
// the report is written, the plan list restored, the options copied into the controls with
// events suppressed, then the window shown. Every seam is scripted.
class ResultWindowHarness {
public:
    MemorySettingsStore settings;
    RecordingMessages messages;
    FixedClock clock{QDate(2007, 3, 20)};
    ScriptedColorChooser colors;
    ScriptedFileChooser files;
    RecordingDesktopShell shell;
    ReportOptions options;
    MonthAnalysis month;
    std::function<std::unique_ptr<QPrinter>()> printer; // the default printer when empty
    std::unique_ptr<frmResult> window;

    static std::string workedMonth() { return TestData::read("month/2007-03-worked.txt"); }

    void open(const std::string& rows = workedMonth()) {
        month.GrabbingFinished({rows, "2007-03", FixedPoint()});
        window = std::make_unique<frmResult>(month, options,
                                             ResultWindowSeams{settings, messages, clock, colors,
                                                               files, shell, printer,
                                                               "/home/alice/.local/share/veltrix"});
        window->showResult(*month.build(options, window->planChoice(), &window->reportDocument()));
        window->LoadCombo();
        window->setSuppressEvents(true);
        window->copyOptionControls(options);
        window->SetCheckBoxState();
        window->setSuppressEvents(false);
        window->show();
    }

    template <typename W = QWidget> W* get(const char* name, int index = -1) const {
        return qobject_cast<W*>(window->control(QString::fromLatin1(name), index));
    }
    QCheckBox* check(const char* name, int index = -1) const { return get<QCheckBox>(name, index); }
    QString text(const char* name) const {
        auto* label = get<QLabel>(name);
        return label ? label->text() : QString();
    }
    // Chooses the plan standing for a catalogue slot, as a click in the list would.
    void choosePlan(int slot) {
        get<QComboBox>("cmbPlans")
            ->setCurrentIndex(window->summaryPage().cmbPlans().indexOfSlot(slot));
    }
    // Rows of the report's detail table with this class.
    int rowsOfClass(const std::string& cls) const {
        int count = 0;
        for (Element* element : window->reportDocument().getElementsByTagName("tr")) {
            if (element->className() == cls) {
                ++count;
            }
        }
        return count;
    }
};
