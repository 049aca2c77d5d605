#pragma once

#include "controls/ColorChooser.h"

#include <deque>
#include <vector>

// Answers colour pickers from a queue instead of a person (cancel when the queue is empty)
// and keeps every request, for tests and for runs without a display.
class ScriptedColorChooser final : public ColorChooser {
public:
    void answerColor(std::uint32_t color) { m_replies.push_back({1, color, 0}); }
    void answerCancel() { m_replies.push_back({0, 0, 0}); }
    void answerFailure(long apiReturn, long extendedError) {
        m_replies.push_back({apiReturn, 0, extendedError});
    }
    // The next reply also paints the custom colours with `color`, as a user might.
    void alsoSetCustomColors(std::uint32_t color) { m_paintCustom.push_back(color); }

    Reply choose(Request& request) override {
        m_requests.push_back(request);
        if (!m_paintCustom.empty()) {
            request.customColors.fill(m_paintCustom.front());
            m_paintCustom.pop_front();
        }
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
    std::deque<std::uint32_t> m_paintCustom;
    std::vector<Request> m_requests;
};
