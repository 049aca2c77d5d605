#include "retrieval/SimPages.h"

#include "portal-sim/SimPageWriter.h"
#include "portal-sim/SimText.h"

SimPages::SimPages(const SimConfig& config)
    : m_config(config)
    , m_log(config.seed, config.rowsPerMonth,
            SimTime::fromDate(config.today, config.nowSecondsOfDay)) {}

std::unique_ptr<Document> SimPages::page(SimMonth month, int number,
                                         const SimRecordPageFaults& faults, const Edit& edit) {
    std::string html = recordHtml(month, number, faults);
    if (edit) {
        edit(html);
    }
    return framing(html, SimText::latin1FromUtf8(m_config.userName));
}

std::string SimPages::recordHtml(SimMonth month, int number, const SimRecordPageFaults& faults) {
    const SimMonthLog& log = m_log.month(month);
    const SimRecordPage content{month,
                                SimText::latin1FromUtf8(m_config.userName),
                                log.sendKB(),
                                log.receiveKB(),
                                log.page(number, m_config.pageSize),
                                number,
                                log.pageCount(m_config.pageSize)};
    return SimRecordPageWriter::write(content, faults);
}

std::unique_ptr<Document> SimPages::framing(const std::string& frameHtml,
                                            const std::string& userName) {
    auto top = Document::parse(SimText::utf8FromLatin1(SimPageWriter::topPage(
        "Netravo portal - Service Records", userName, "/records/Results", QDate(2007, 3, 15))));
    top->setUrl("http://portal.test/records");
    auto frame = Document::parse(SimText::utf8FromLatin1(frameHtml));
    frame->setUrl("http://portal.test/records/Results");
    top->frames().at(0)->setContentDocument(std::move(frame));
    return top;
}
