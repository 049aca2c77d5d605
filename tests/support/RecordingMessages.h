#pragma once

#include "platform/MessagePresenter.h"

#include <deque>
#include <vector>

// Keeps every message and answers questions from a queue (No when the queue is empty).
class RecordingMessages final : public MessagePresenter {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
        bool question;
    };

    void show(const QString& text, const QString& title, MessageIcon icon) override {
        m_shown.push_back({text, title, icon, false});
    }
    bool askYesNo(const QString& text, const QString& title, bool) override {
        m_shown.push_back({text, title, MessageIcon::Question, true});
        if (m_answers.empty()) {
            return false;
        }
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void setNextAnswer(bool yes) { m_answers.push_back(yes); }
    const std::vector<Shown>& shown() const { return m_shown; }
    QString lastText() const { return m_shown.empty() ? QString() : m_shown.back().text; }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
};
