#include "platform/browser/FrameLoads.h"

std::optional<std::string> FrameLoads::event(const QString& method, const QJsonObject& params) {
    const QString frameId = params.value("frameId").toString();
    if (method == "Page.frameStartedLoading") {
        if (m_loading.empty()) {
            m_navigating = frameId;
        }
        if (m_loading.size() < MaxFrames) {
            m_loading.insert(frameId);
        }
    } else if (method == "Page.frameNavigated") {
        const QJsonObject frame = params.value("frame").toObject();
        const QString id = frame.value("id").toString();
        if (m_addresses.size() < MaxFrames || m_addresses.contains(id)) {
            m_addresses[id] = frame.value("url").toString().toStdString();
        }
    } else if (method == "Page.frameStoppedLoading" || method == "Page.frameDetached") {
        const bool wasLoading = m_loading.erase(frameId) > 0;
        if (method == "Page.frameDetached" && frameId != m_navigating) {
            m_addresses.erase(frameId);
        }
        if (wasLoading && m_loading.empty()) {
            const auto address = m_addresses.find(m_navigating);
            m_navigating.clear();
            return address == m_addresses.end() ? std::string() : address->second;
        }
    }
    return std::nullopt;
}

void FrameLoads::clear() {
    m_loading.clear();
    m_navigating.clear();
    m_addresses.clear();
}
