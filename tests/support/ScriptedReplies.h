#pragma once

#include <deque>
#include <vector>

// The answers a scripted chooser gives in place of a person, in order, and every request it
// was asked: an empty queue answers `Reply{}`, which every chooser reads as cancel.
template <typename Request, typename Reply> class ScriptedReplies {
public:
    void push(const Reply& reply) { m_replies.push_back(reply); }

    Reply answer(const Request& request) {
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
