#include "retrieval/AttachedPages.h"

#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"
#include "retrieval/RecordFrame.h"
#include "retrieval/RecordPageWalk.h"

namespace {

using Kind = AttachedStep::Kind;

std::string normalised(const std::string& address) {
    return WebAddress::resolve(address, "");
}

AttachedStep step(Kind kind, Element* link = nullptr, std::string address = {}) {
    return {kind, link, std::move(address)};
}

} // namespace

AttachedPages::AttachedPages(PortalLayout layout, std::string site)
    : m_layout(layout)
    , m_site(std::move(site)) {}

std::string AttachedPages::siteOf(const std::string& address) {
    return WebAddress::host(address);
}

AttachedStep AttachedPages::start(const Document& page) {
    m_top = page.url();
    const Document* frame = RecordFrame::of(page, m_layout);
    Element* first = frame ? RecordFrame::link(*frame, m_layout.firstPageTexts) : nullptr;
    return first ? follow(*frame, first) : step(Kind::Walk);
}

AttachedStep AttachedPages::loaded(const Document& page) {
    if (!m_site.empty() && siteOf(page.url()) != m_site) {
        return step(Kind::Left, nullptr, page.url());
    }
    const Document* frame = RecordFrame::of(page, m_layout);
    const auto mark = frame ? markOf(*frame) : std::nullopt;
    if (!mark) {
        // The portal's own answer where the walk was going (its session ended, its login
        // page) is the walk's to judge; a page the window was taken to is not.
        const std::string at = frame ? normalised(frame->url()) : std::string();
        const bool portalsAnswer = (frame && (at == m_expected || m_walkedAddresses.contains(at) ||
                                              RecordFrame::showsLoginForm(*frame, m_layout))) ||
                                   RecordFrame::showsLoginForm(page, m_layout);
        // where the user sees the window now: its own address, unless only its frame moved
        const std::string now = !frame || page.url() != m_top ? page.url() : frame->url();
        return portalsAnswer ? step(Kind::Walk) : step(Kind::Left, nullptr, now);
    }
    if (m_walked.contains(*mark)) {
        return passOver(*frame);
    }
    if (m_restarting) {
        // the first page not taken, reached from the first page on: the one to take
        m_restarting = false;
        m_checkAddresses = m_checkAddresses && *mark != m_jumpedTo;
        return step(Kind::Walk);
    }
    if (m_checkAddresses && !m_expected.empty() && normalised(frame->url()) != m_expected) {
        return restart(*frame, *mark);
    }
    return step(Kind::Walk);
}

void AttachedPages::walked(const Document& page, const Element* next) {
    const Document* frame = RecordFrame::of(page, m_layout);
    if (!frame) {
        return;
    }
    if (const auto mark = markOf(*frame)) {
        m_walked.insert(*mark);
    }
    m_walkedAddresses.insert(normalised(frame->url()));
    m_top = page.url();
    m_passOvers = 0;
    const auto href = next ? next->getAttribute("href") : std::nullopt;
    m_expected = href ? WebAddress::resolve(WebAddress::baseOf(*frame), *href) : std::string();
}

std::optional<std::string> AttachedPages::markOf(const Document& frame) const {
    const auto tables = frame.getElementsByTagName("table");
    if (static_cast<int>(tables.size()) < m_layout.minimumTables) {
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(m_layout.rowsTable);
    const auto rows = at < tables.size() ? tables[at]->rows() : std::vector<Element*>();
    const auto first = static_cast<std::size_t>(m_layout.firstRow);
    return first < rows.size() ? "row " + RecordPageWalk::rowText(*rows[first], m_layout)
                               : "address " + normalised(frame.url());
}

AttachedStep AttachedPages::follow(const Document& frame, Element* link) {
    const auto href = link->getAttribute("href");
    m_expected = href ? WebAddress::resolve(WebAddress::baseOf(frame), *href) : std::string();
    return step(Kind::Click, link);
}

// Getting back to where the walk stands takes one link per page taken, and one more from
// the first page: a walk that follows more is going round in a circle.
AttachedStep AttachedPages::passOver(const Document& frame) {
    if (++m_passOvers > static_cast<int>(m_walked.size()) + 2) {
        return step(Kind::LeadsBack, nullptr, frame.url());
    }
    Element* next = RecordFrame::link(frame, m_layout.nextPageTexts);
    // a page taken with no "Next Page" was the walk's last: nothing follows it
    return next ? follow(frame, next) : step(Kind::Wait);
}

AttachedStep AttachedPages::restart(const Document& frame, const std::string& mark) {
    Element* first = RecordFrame::link(frame, m_layout.firstPageTexts);
    if (!first || ++m_passOvers > static_cast<int>(m_walked.size()) + 2) {
        return step(Kind::MovedOn, nullptr, frame.url());
    }
    m_restarting = true;
    m_jumpedTo = mark;
    return follow(frame, first);
}
