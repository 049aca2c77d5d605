#pragma once

#include <QJsonObject>
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <string>

// The load events of one page's frames, gathered into navigations: when every frame that
// started loading has stopped, one navigation is complete, named by the address of the frame
// that started first (the one that navigated). A page that loads its frames inside its own
// load, or a frame that loads by itself, gives one navigation either way.
class FrameLoads {
public:
    // One event of the page's domain ("Page.frameStartedLoading", ...). When it completes a
    // navigation: that navigation's address (empty when the browser never named it).
    std::optional<std::string> event(const QString& method, const QJsonObject& params);
    // Forgets every load in progress (the connection to the page closed).
    void clear();

    // More frames than any page of the portal has: a browser that names ever new ones is not
    // followed into unbounded memory.
    static constexpr std::size_t MaxFrames = 256;

private:
    std::set<QString> m_loading;
    QString m_navigating;
    std::map<QString, std::string> m_addresses;
};
