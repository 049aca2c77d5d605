#include "retrieval/RecordPageWalk.h"

#include "platform/Failure.h"
#include "platform/dom/Document.h"
#include "platform/dom/HtmlParser.h"
#include "platform/dom/HtmlSerializer.h"
#include "report/MonthRows.h"
#include "report/ReportRow.h"
#include "retrieval/FileDataStore.h"
#include "retrieval/MonthCache.h"
#include "retrieval/PageCount.h"
#include "retrieval/RowText.h"
#include "retrieval/SessionMessages.h"

#include <algorithm>

namespace {

std::string withoutEvery(std::string text, std::string_view part) {
    if (part.empty()) {
        return text;
    }
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
    return text;
}

template <typename List> typename List::value_type itemAt(const List& list, int index) {
    const auto at = static_cast<std::size_t>(index);
    return index >= 0 && at < list.size() ? list[at] : nullptr;
}

bool isStripe(const PortalLayout& layout, std::string_view value) {
    const auto& stripes = layout.stripeClasses;
    return std::find(stripes.begin(), stripes.end(), value) != stripes.end();
}

// Drops the stripe classes from a copied row as rowText leaves them out of its text.
void dropStripes(Element& row, const PortalLayout& layout) {
    std::vector<Element*> elements = descendantElements(row);
    elements.push_back(&row);
    for (Element* element : elements) {
        const auto value = element->getAttribute("class");
        if (value && isStripe(layout, *value)) {
            element->removeAttribute("class");
        }
    }
}

// The document in the record frame of a page, if the page has one.
Document* recordFrame(const Document& page, const PortalLayout& layout) {
    Element* frame = itemAt(page.frames(), layout.recordFrame);
    return frame ? frame->contentDocument() : nullptr;
}

} // namespace

RecordPageWalk::RecordPageWalk()
    : RecordPageWalk(Settings()) {}

RecordPageWalk::RecordPageWalk(Settings settings)
    : m_settings(std::move(settings))
    , m_rowNodes(MonthRows::create()) {}

RecordPageWalk::~RecordPageWalk() = default;
RecordPageWalk::RecordPageWalk(RecordPageWalk&&) noexcept = default;
RecordPageWalk& RecordPageWalk::operator=(RecordPageWalk&&) noexcept = default;

std::string RecordPageWalk::rowText(const Element& row, const PortalLayout& layout) {
    const HtmlSerializer::AttributeFilter withoutStripes = [&layout](const Element&,
                                                                     const Attribute& attribute) {
        return attribute.name != "class" || !isStripe(layout, attribute.value);
    };
    HtmlSerializer::Options options;
    options.filter = &withoutStripes;
    std::string text;
    HtmlSerializer::appendOuter(text, row, options);
    return text;
}

WalkStep RecordPageWalk::ProcessRecordPage(Document& page) {
    ++m_pages;
    const PortalLayout& layout = m_settings.layout;
    Document* frame = recordFrame(page, layout);
    const auto tables = frame ? frame->getElementsByTagName("table") : std::vector<Element*>();
    if (static_cast<int>(tables.size()) < layout.minimumTables) {
        return abandon(
            SessionMessages::relogin(frame ? frame->url() : page.url(), frame != nullptr));
    }
    if (!learnUserName(page)) {
        return pageNotUnderstood("the page shows no user name at element " +
                                 std::to_string(layout.userElement));
    }
    learnMonth(*frame);
    if (!monthLooksRight()) {
        return pageNotUnderstood("the month text at element " +
                                 std::to_string(layout.monthElement) + " reads \"" +
                                 m_month.mstrMonthYear + "\"");
    }
    openCache();
    if (const int count = PageCount::onPage(*frame, layout)) {
        m_pageCount = count;
    }
    std::string problem;
    if (m_pages > 1) {
        compareSiteTotal(tables);
    } else if (!readSiteTotal(tables, problem)) {
        return pageNotUnderstood(problem);
    }
    Element* rowsTable = itemAt(tables, layout.rowsTable);
    if (!rowsTable) {
        return pageNotUnderstood("the record page has no table " +
                                 std::to_string(layout.rowsTable));
    }
    int taken = 0;
    try {
        taken = takeRows(*rowsTable);
    } catch (const ReportError& error) {
        return abandon(SessionMessages::badRow(m_pages, error.what()));
    }
    Element* next = m_reachedCache ? nullptr : nextPageLink(*frame);
    // a page after the first that shows nothing new and still leads on: "Next Page" went back
    if (next && m_pages > 1 && taken == 0) {
        return abandon(SessionMessages::pagesLoop(m_pages));
    }
    if (const auto stop = beyondBounds(next != nullptr)) {
        return *stop;
    }
    if (next) {
        return {WalkStep::Kind::NextPage, next, {}};
    }
    return finish();
}

std::optional<WalkStep> RecordPageWalk::beyondBounds(bool morePages) {
    // what the month files take back in: a longer month could be stored but never read again
    const std::size_t bytes = m_month.mstrRows.size() + m_cachedRows.size();
    if (bytes > static_cast<std::size_t>(FileDataStore::MaxFileBytes) ||
        (morePages && m_pages >= m_settings.maxPages)) {
        return abandon(SessionMessages::walkTooLong(m_pages, m_settings.maxPages,
                                                    FileDataStore::MaxFileBytes));
    }
    return std::nullopt;
}

WalkStep RecordPageWalk::abandon(RunMessage message) {
    return {WalkStep::Kind::Abandoned, nullptr, std::move(message)};
}

WalkStep RecordPageWalk::pageNotUnderstood(const std::string& detail) {
    return abandon(
        SessionMessages::portalChanged("record page " + std::to_string(m_pages) + ": " + detail));
}

bool RecordPageWalk::learnUserName(Document& page) {
    if (!m_userName.empty()) {
        return true;
    }
    if (!m_settings.loginUserName.empty()) {
        m_userName = m_settings.loginUserName;
        return true;
    }
    const Element* element = itemAt(page.all(), m_settings.layout.userElement);
    if (!element) {
        return false;
    }
    const std::string shown = withoutEvery(element->innerText(), m_settings.layout.welcomeText);
    m_userName = QString::fromStdString(shown).trimmed().toStdString();
    return true;
}

void RecordPageWalk::learnMonth(const Document& frame) {
    if (!m_month.mstrMonthYear.empty()) {
        return;
    }
    const PortalLayout& layout = m_settings.layout;
    if (const Element* element = itemAt(frame.all(), layout.monthElement)) {
        const std::string text = element->innerText();
        const auto start = static_cast<std::size_t>(layout.monthTextStart);
        m_month.mstrMonthYear =
            start < text.size()
                ? text.substr(start, static_cast<std::size_t>(layout.monthTextLength))
                : std::string();
    }
}

// The portal's months read "2007-03": anything else means the page is not what the walk
// knows, and a month text that names no month must never become a month file's name.
bool RecordPageWalk::monthLooksRight() const {
    const std::string& month = m_month.mstrMonthYear;
    const auto digit = [&month](std::size_t i) { return month[i] >= '0' && month[i] <= '9'; };
    if (month.size() != 7 || !month.starts_with(m_settings.layout.monthPrefix) || month[4] != '-' ||
        !digit(0) || !digit(1) || !digit(2) || !digit(3) || !digit(5) || !digit(6)) {
        return false;
    }
    const int monthNumber = (month[5] - '0') * 10 + (month[6] - '0');
    return monthNumber >= 1 && monthNumber <= 12;
}

void RecordPageWalk::openCache() {
    if (!m_settings.cachingEnabled || m_cacheOpened) {
        return;
    }
    m_cacheOpened = true;
    m_cacheFile = MonthCache::cacheFileName(m_settings.cacheFolder,
                                            QString::fromStdString(m_month.mstrMonthYear),
                                            QString::fromStdString(m_userName));
    std::string cached;
    try {
        cached = FileDataStore::ReadFileData(m_cacheFile, true);
    } catch (const Failure& unreadable) {
        // Walk every page, but leave the file alone: what it holds may still be wanted.
        m_cacheReadable = false;
        m_notices.push_back(SessionMessages::cacheUnreadable(
            m_cacheFile, QString::fromStdString(unreadable.what())));
        return;
    }
    // A damaged month is neither merged nor written over: every page is fetched instead.
    if (const auto why = readCachedRows(cached)) {
        m_cachedRowNodes.reset();
        m_cacheReadable = false;
        m_notices.push_back(SessionMessages::cacheDamaged(m_cacheFile, *why));
        return;
    }
    m_cachedRows = std::move(cached);
    for (const RowText::Piece& piece : RowText::split(m_cachedRows)) {
        if (piece.isRow) {
            m_cachedRowSet.emplace(RowText::cellsOf(piece.text));
        }
    }
}

const Element* RecordPageWalk::totalCell(const std::vector<Element*>& tables) const {
    const PortalLayout& layout = m_settings.layout;
    const Element* table = itemAt(tables, layout.totalTable);
    const Element* row = table ? itemAt(table->rows(), layout.totalRow) : nullptr;
    return row ? itemAt(row->cells(), layout.totalCell) : nullptr;
}

// The first page's total is the month the walk reports; a later page showing another one
// means rows arrived meanwhile (a page that shows none is no news).
void RecordPageWalk::compareSiteTotal(const std::vector<Element*>& tables) {
    const Element* cell = totalCell(tables);
    const auto total = cell ? FixedPoint::parse(cell->innerText()) : std::nullopt;
    if (total && *total != m_month.mcurSiteTotal) {
        m_rowsArrived = true;
    }
}

bool RecordPageWalk::readSiteTotal(const std::vector<Element*>& tables, std::string& problem) {
    const PortalLayout& layout = m_settings.layout;
    const Element* cell = totalCell(tables);
    if (!cell) {
        problem = "the record page has no month total at table " +
                  std::to_string(layout.totalTable) + ", row " + std::to_string(layout.totalRow) +
                  ", cell " + std::to_string(layout.totalCell);
        return false;
    }
    const std::string text = cell->innerText();
    const auto total = FixedPoint::parse(text);
    if (!total) {
        problem = "the month total \"" + text + "\" is not a number";
        return false;
    }
    m_month.mcurSiteTotal = *total;
    return true;
}

// Each row is read as the report will read it, so a row the report would refuse stops the
// walk here, before the month file is touched.
int RecordPageWalk::takeRows(const Element& table) {
    const auto rows = table.rows();
    const PortalLayout& layout = m_settings.layout;
    int taken = 0;
    for (std::size_t r = static_cast<std::size_t>(layout.firstRow); r < rows.size(); ++r) {
        ReportRow::read(*rows[r], static_cast<int>(r) - layout.firstRow + 1);
        const std::string text = rowText(*rows[r], layout);
        const std::string_view cells = RowText::cellsOf(text);
        if (m_settings.cachingEnabled && m_cachedRowSet.contains(std::string(cells))) {
            m_reachedCache = true;
            break;
        }
        // shown before: rows that arrived above it pushed it down from an earlier page
        if (!m_takenRowSet.emplace(cells).second) {
            m_rowsArrived = true;
            continue;
        }
        m_month.mstrRows += text;
        keepRowNode(*rows[r], text);
        ++m_rowsTaken;
        ++taken;
    }
    return taken;
}

// A copy of the page's row when it stands for its text exactly, else its text parsed.
void RecordPageWalk::keepRowNode(const Element& row, std::string_view text) {
    if (!m_rowNodes) {
        return;
    }
    if (HtmlParser::reparsesAlike(row)) {
        auto& copy = static_cast<Element&>(MonthRows::section(*m_rowNodes).appendClone(row));
        dropStripes(copy, m_settings.layout);
        return;
    }
    m_rowParsedFromText = true;
    if (!MonthRows::parseInto(*m_rowNodes, text)) {
        m_rowNodes.reset();
    }
}

// The stored rows are parsed once, in pieces, and read as the report reads them; what is
// not whole rows piece by piece is checked by a parse in one piece instead.
std::optional<std::string> RecordPageWalk::readCachedRows(std::string_view text) {
    m_cachedRowNodes = MonthRows::create();
    if (!MonthRows::parseInto(*m_cachedRowNodes, text)) {
        m_cachedRowNodes.reset();
        return MonthCache::damage(text);
    }
    return MonthCache::damage(text, MonthRows::section(*m_cachedRowNodes).rows());
}

// Appends the stored rows the merge kept to this walk's row nodes, and says why the merged
// month cannot be stored, if it cannot.
std::optional<std::string> RecordPageWalk::mergeRowNodes(std::size_t newRowsSize) {
    const std::string_view kept = std::string_view(m_month.mstrRows).substr(newRowsSize);
    if (!m_rowNodes) {
        m_cachedRowNodes.reset();
    } else if (!m_cachedRowNodes || kept != m_cachedRows) {
        // the merge dropped stored rows the walk fetched again: the rest is parsed anew
        m_cachedRowNodes = MonthRows::create();
        if (!MonthRows::parseInto(*m_cachedRowNodes, kept)) {
            m_rowNodes.reset();
            m_cachedRowNodes.reset();
        }
    }
    if (!m_cacheReadable) {
        return std::nullopt;
    }
    // Rows that came from their text were read on the page only; the stored ones were read
    // when the file was opened.
    if (!m_rowNodes || m_rowParsedFromText) {
        return MonthCache::damage(m_month.mstrRows);
    }
    auto rows = MonthRows::section(*m_rowNodes).rows();
    const auto stored = MonthRows::section(*m_cachedRowNodes).rows();
    rows.insert(rows.end(), stored.begin(), stored.end());
    return MonthCache::damage(m_month.mstrRows, rows);
}

Element* RecordPageWalk::nextPageLink(const Document& frame) const {
    const auto& texts = m_settings.layout.nextPageTexts;
    for (Element* link : frame.links()) {
        if (std::find(texts.begin(), texts.end(), link->innerText()) != texts.end()) {
            return link;
        }
    }
    return nullptr;
}

WalkStep RecordPageWalk::finish() {
    if (m_rowsArrived) {
        m_notices.push_back(SessionMessages::rowsArrived());
    }
    if (m_settings.cachingEnabled) {
        const std::size_t newRowsSize = m_month.mstrRows.size();
        m_month.mstrRows = MonthCache::appendCachedRows(m_month.mstrRows, m_cachedRows);
        // the merged month is checked whole before it replaces the file
        const auto why = mergeRowNodes(newRowsSize);
        if (why) {
            m_notices.push_back(SessionMessages::cacheDamaged(m_cacheFile, "merged: " + *why));
        } else if (m_cacheReadable) {
            try {
                FileDataStore::SaveFileData(m_cacheFile, m_month.mstrRows, true);
            } catch (const Failure& notStored) {
                m_notices.push_back(
                    SessionMessages::cacheNotStored(QString::fromStdString(notStored.what())));
            }
        }
    }
    if (m_rowNodes) {
        m_month.rowNodes.push_back(std::move(m_rowNodes));
        if (m_cachedRowNodes) {
            m_month.rowNodes.push_back(std::move(m_cachedRowNodes));
        }
    }
    m_cachedRowNodes.reset();
    return {WalkStep::Kind::Finished, nullptr, {}};
}
