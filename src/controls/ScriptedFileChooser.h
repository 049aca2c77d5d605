#pragma once

#include "controls/FileChooser.h"

#include <deque>
#include <vector>

// Answers save dialogs from a queue instead of a person (cancel when the queue is empty) and
// keeps every request, for tests and for runs without a display.
class ScriptedFileChooser final : public FileChooser {
public:
    void answerPath(const QString& path) { m_replies.push_back({true, path}); }
    void answerCancel() { m_replies.push_back({false, {}}); }

    Reply chooseSave(const Request& request) override {
        m_requests.push_back(request);
        if (m_replies.empty()) {
            return {};
        }
        const Reply reply = m_replies.front();
        m_replies.pop_front();
        return reply;
    }

    const std::vector<Request>& requests() const { return m_requests; }

private:
    std::deque<Reply> m_replies;
    std::vector<Request> m_requests;
};
