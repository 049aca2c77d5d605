#pragma once

#include "platform/browser/BrowserWindows.h"

#include <QString>
#include <QUrl>
#include <map>
#include <memory>
#include <set>

class DevToolsConnection;
class QJsonObject;

// A page target of the user's browser, read and clicked over the debugging protocol. The
// frames' loads are gathered: when every frame that started loading has stopped, the page is
// read again and one DocumentComplete follows, with the address of the frame that started
// first (the one that navigated).
class DevToolsWindow final : public BrowserWindow {
    Q_OBJECT
public:
    DevToolsWindow(std::string title, QUrl socket, QObject* parent = nullptr);
    ~DevToolsWindow() override;

    std::string title() const override { return m_title; }
    void load() override;
    Document* document() const override { return m_document.get(); }
    void click(Element& link) override;

private:
    enum class ReadFor { Load, DocumentComplete };

    void opened();
    void closed(const QString& why);
    void event(const QString& method, const QJsonObject& params);
    void frameStopped(const QString& frameId);
    void read(ReadFor purpose, const std::string& url = {});

    std::string m_title;
    std::unique_ptr<DevToolsConnection> m_connection;
    std::unique_ptr<Document> m_document;
    bool m_loadWanted = false;
    bool m_lost = false;
    std::set<QString> m_loadingFrames;
    QString m_navigatingFrame;
    std::map<QString, std::string> m_frameUrls;
};
