#pragma once

#include "platform/browser/BrowserWindows.h"
#include "platform/browser/DevToolsPage.h"
#include "platform/browser/FrameLoads.h"

#include <QString>
#include <QUrl>
#include <memory>

class DevToolsConnection;
class QJsonObject;

// A page target of the user's browser, read and clicked over the debugging protocol. The
// frames' loads are gathered: when every frame that started loading has stopped, the page is
// read again and one DocumentComplete follows, with the address of the frame that started
// first (the one that navigated).
class DevToolsWindow final : public BrowserWindow {
    Q_OBJECT
public:
    DevToolsWindow(std::string title, std::string address, QUrl socket, DevToolsLimits limits = {},
                   QObject* parent = nullptr);
    ~DevToolsWindow() override;

    std::string title() const override { return m_title; }
    std::string address() const override { return m_address; }
    void load() override;
    Document* document() const override { return m_document.get(); }
    void click(Element& link) override;
    void detach() override;

private:
    enum class ReadFor { Load, DocumentComplete };

    void opened();
    void closed(const QString& why);
    void event(const QString& method, const QJsonObject& params);
    void read(ReadFor purpose, const std::string& url = {});

    std::string m_title;
    std::string m_address;
    DevToolsLimits m_limits;
    std::unique_ptr<DevToolsConnection> m_connection;
    std::unique_ptr<Document> m_document;
    bool m_loadWanted = false;
    bool m_lost = false;
    FrameLoads m_loads;
};
