#pragma once

#include "controls/ColorChooser.h"
#include "support/ScriptedReplies.h"

#include <deque>

// Answers colour pickers from a queue instead of a person (cancel when the queue is empty)
// and keeps every request.
class ScriptedColorChooser final : public ColorChooser {
public:
    void answerColor(std::uint32_t color) { m_script.push({1, color, 0}); }
    void answerCancel() { m_script.push({0, 0, 0}); }
    // The next reply also paints the custom colours with `color`, as a user might.
    void alsoSetCustomColors(std::uint32_t color) { m_paintCustom.push_back(color); }

    Reply choose(Request& request) override {
        const Reply reply = m_script.answer(request); // the request as it was asked
        if (!m_paintCustom.empty()) {
            request.customColors.fill(m_paintCustom.front());
            m_paintCustom.pop_front();
        }
        return reply;
    }

    const std::vector<Request>& requests() const { return m_script.requests(); }

private:
    ScriptedReplies<Request, Reply> m_script;
    std::deque<std::uint32_t> m_paintCustom;
};
