#pragma once

#include "platform/dom/Document.h"
#include "portal-sim/SimLog.h"
#include "portal-sim/SimRecordPageWriter.h"
#include "portalsim/SimTestConfig.h"

#include <functional>
#include <memory>
#include <string>

// The simulated portal's record pages as the browser holds them once loaded: the top page
// (with "name, welcome!" at element 71) whose frame 0 holds the record page.
class SimPages {
public:
    using Edit = std::function<void(std::string& recordHtml)>;

    explicit SimPages(const SimConfig& config = simTestConfig());

    std::unique_ptr<Document> page(SimMonth month, int number,
                                   const SimRecordPageFaults& faults = {}, const Edit& edit = {});
    // The record page as the portal sends it (Latin-1).
    std::string recordHtml(SimMonth month, int number, const SimRecordPageFaults& faults = {});
    // A top page whose frame holds any page (Latin-1).
    static std::unique_ptr<Document> framing(const std::string& frameHtml,
                                             const std::string& userName = "Jos\xe9");
    int pageCount(SimMonth month) { return m_log.month(month).pageCount(m_config.pageSize); }
    SimLog& log() { return m_log; }

    static constexpr SimMonth February{2007, 2};
    static constexpr SimMonth March{2007, 3};

private:
    SimConfig m_config;
    SimLog m_log;
};
