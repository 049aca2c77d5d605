#include "desktop/ScheduledCheckDialog.h"

#include "desktop/MainWindowDesign.h"
#include "platform/MessagePresenter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// A control named by its caption, as assistive technology reads it.
template <typename W> W* named(W* widget, const char* objectName, const QString& caption) {
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setAccessibleName(QString(caption).remove('&'));
    return widget;
}

QCheckBox* checkBox(const char* objectName, const QString& caption) {
    return named(new QCheckBox(caption), objectName, caption);
}

} // namespace

ScheduledCheckDialog::ScheduledCheckDialog(ScheduledCheck& schedule, CheckTarget target,
                                           MessagePresenter& messages, QWidget* parent)
    : QDialog(parent)
    , m_schedule(schedule)
    , m_target(std::move(target))
    , m_messages(messages) {
    setObjectName(QStringLiteral("frmScheduledCheck"));
    setWindowTitle(Caption);
    setAccessibleName(Caption);
    setFont(MainWindowDesign::font());
    build();
    showChoice(m_schedule.current());
    m_enabled->setFocus();
}

void ScheduledCheckDialog::build() {
    m_enabled = checkBox("chkScheduled", "Check my usage &every day");
    m_time = named(new QTimeEdit, "tmeCheck", "At &time");
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    m_alertAt = named(new QSpinBox, "spnAlertAt", "&Alert at");
    m_alertAt->setRange(0, 1000);
    m_alertAt->setSuffix(QStringLiteral(" % of the limit"));
    m_alertAt->setSpecialValueText(QStringLiteral("off")); // 0: no alert at a share
    m_alertProjected =
        checkBox("chkAlertProjected", "&Warn when the month-end projection goes over the limit");
    m_notifyFailure = checkBox("chkNotifyFailure", "&Notify me when a check fails");
    m_autostart = checkBox("chkAutostart", "&Start the status icon when I log in");
    m_done = named(new QPlainTextEdit, "txtDone", "What was &done");
    m_done->setReadOnly(true);
    m_done->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(m_enabled);
    // a label names its box, and its mnemonic reaches it
    const auto row = [form](const QString& caption, QWidget* box) {
        auto* label = new QLabel(caption);
        label->setBuddy(box);
        form->addRow(label, box);
    };
    row(QStringLiteral("At &time"), m_time);
    row(QStringLiteral("&Alert at"), m_alertAt);
    form->addRow(m_alertProjected);
    form->addRow(m_notifyFailure);
    form->addRow(m_autostart);
    auto* doneLabel = new QLabel(QStringLiteral("What was &done"));
    doneLabel->setBuddy(m_done);

    auto* buttons = new QDialogButtonBox;
    QPushButton* apply = buttons->addButton(QStringLiteral("A&pply"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("cmdApply"));
    apply->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(apply, &QPushButton::clicked, this, &ScheduledCheckDialog::cmdApply_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(doneLabel);
    layout->addWidget(m_done);
    layout->addWidget(buttons);
    resize(520, 400);
}

void ScheduledCheckDialog::showChoice(const ScheduleChoice& choice) {
    m_enabled->setChecked(choice.enabled);
    m_time->setTime(choice.time);
    m_shownAlertAt = choice.alertAtPercent;
    m_alertAt->setValue(choice.alertAtPercent ? qRound(*choice.alertAtPercent) : 0);
    m_alertProjected->setChecked(choice.alertProjected);
    m_notifyFailure->setChecked(choice.notifyFailure);
    m_autostart->setChecked(choice.autostart);
}

ScheduleChoice ScheduledCheckDialog::choice() const {
    ScheduleChoice choice;
    choice.enabled = m_enabled->isChecked();
    choice.time = m_time->time();
    choice.alertAtPercent =
        m_alertAt->value() > 0 ? std::optional<double>(m_alertAt->value()) : std::nullopt;
    // a share of 62.5 set in the file stays as it is until the box is changed; one the box
    // shows as "off" (0.4) is written as off
    if (m_shownAlertAt && m_alertAt->value() > 0 && m_alertAt->value() == qRound(*m_shownAlertAt)) {
        choice.alertAtPercent = m_shownAlertAt;
    }
    choice.alertProjected = m_alertProjected->isChecked();
    choice.notifyFailure = m_notifyFailure->isChecked();
    choice.autostart = m_autostart->isChecked();
    return choice;
}

void ScheduledCheckDialog::cmdApply_Click() {
    const ScheduleChoice wanted = choice();
    QStringList done;
    const auto attempt = [&](auto&& step) {
        try {
            step();
        } catch (const Failure& failure) {
            done << "Not done: " + QString::fromStdString(failure.what());
            m_messages.showFailure(failure, MessageIcon::Warning);
        }
    };
    attempt([&] { m_schedule.applyTimer(wanted, m_target, done); });
    attempt([&] { m_schedule.applyAutostart(wanted.autostart, done); });
    m_done->setPlainText(done.join('\n'));
}
