#pragma once

#include "controls/FileChooser.h"
#include "support/ScriptedReplies.h"

// Answers save dialogs from a queue instead of a person (cancel when the queue is empty) and
// keeps every request.
class ScriptedFileChooser final : public FileChooser {
public:
    void answerPath(const QString& path) { m_script.push({true, path}); }
    void answerCancel() { m_script.push({false, {}}); }

    Reply chooseSave(const Request& request) override { return m_script.answer(request); }

    const std::vector<Request>& requests() const { return m_script.requests(); }

private:
    ScriptedReplies<Request, Reply> m_script;
};
