#pragma once

#include "desktop/ScheduledCheck.h"

#include <QDialog>

class MessagePresenter;
class QCheckBox;
class QPlainTextEdit;
class QSpinBox;
class QTimeEdit;

// "Scheduled check...": the daily check on or off, its time, its alerts, a notification when
// it fails, and the status icon at login. "Apply" hands them to ScheduledCheck and shows what
// was done; a failure is said in a message box as well.
class ScheduledCheckDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr char Caption[] = "Scheduled check";

    ScheduledCheckDialog(ScheduledCheck& schedule, CheckTarget target, MessagePresenter& messages,
                         QWidget* parent = nullptr);

    ScheduleChoice choice() const;
    void cmdApply_Click();

private:
    void build();
    void showChoice(const ScheduleChoice& choice);

    ScheduledCheck& m_schedule;
    CheckTarget m_target;
    MessagePresenter& m_messages;
    QCheckBox* m_enabled = nullptr;
    QTimeEdit* m_time = nullptr;
    QSpinBox* m_alertAt = nullptr;
    std::optional<double> m_shownAlertAt; // as read, perhaps with decimals the box does not show
    QCheckBox* m_alertProjected = nullptr;
    QCheckBox* m_notifyFailure = nullptr;
    QCheckBox* m_autostart = nullptr;
    QPlainTextEdit* m_done = nullptr;
};
