#pragma once

#include "platform/browser/BrowserWindows.h"
#include "platform/browser/DevToolsPage.h"

#include <QByteArray>
#include <memory>
#include <vector>

class DevToolsWindow;
class QNetworkAccessManager;
class QNetworkReply;

// The windows of a Chromium-family browser that the user started with remote debugging on
// this computer: the page targets it lists on 127.0.0.1:port. Nothing here turns debugging
// on or starts a browser; only this computer is ever contacted, on that port alone: the list
// follows no redirect, and what the browser sends is bounded by `limits`.
class DevToolsWindows final : public BrowserWindows {
    Q_OBJECT
public:
    explicit DevToolsWindows(int port, DevToolsLimits limits = {}, QObject* parent = nullptr);
    ~DevToolsWindows() override;

    void refresh() override;
    int count() const override { return static_cast<int>(m_windows.size()); }
    BrowserWindow* item(int index) const override;
    std::string searched() const override;
    std::string problem() const override { return m_problem; }

    // How long the browser may take to list its windows.
    static constexpr int ListTimeoutMs = 5000;

private:
    void listed(QNetworkReply* reply);
    void take(const QByteArray& list);

    int m_port;
    DevToolsLimits m_limits;
    QByteArray m_list;
    bool m_listTooLarge = false;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::vector<std::unique_ptr<DevToolsWindow>> m_windows;
    std::string m_problem;
};
