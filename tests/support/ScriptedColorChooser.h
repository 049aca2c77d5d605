#pragma once

#include "controls/ColorChooser.h"
#include "support/ScriptedReplies.h"

// Answers colour pickers from a queue instead of a person (cancel when the queue is empty)
// and keeps every request.
class ScriptedColorChooser final : public ColorChooser {
public:
    void answerColor(std::uint32_t color) { m_script.push({1, color, 0}); }
    void answerCancel() { m_script.push({0, 0, 0}); }

    Reply choose(Request& request) override { return m_script.answer(request); }

    const std::vector<Request>& requests() const { return m_script.requests(); }

private:
    ScriptedReplies<Request, Reply> m_script;
};
