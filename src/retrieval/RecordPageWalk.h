#pragma once

#include "report/ReportBuilder.h"
#include "retrieval/PortalLayout.h"
#include "retrieval/RunMessage.h"

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

class Document;
class Element;

// What one record page led to.
struct WalkStep {
    enum class Kind { NextPage, Finished, Abandoned };
    Kind kind = Kind::Abandoned;
    Element* nextPageLink = nullptr; // NextPage: the link to click
    RunMessage message;              // Abandoned: why
};

// The walk over a month's record pages, one page per call: it learns the month, the user and
// the portal's total from the first page, takes each page's log rows, stops at the first row
// the month file already holds, and at the end stores the month and hands it over. It never
// navigates itself: the caller clicks the link it returns.
//
// The portal lists newest first in pages of a fixed size, so rows that arrive during a walk
// push rows already read onto the next page: a row is taken once however often it is shown,
// and the month stays the one the first page showed. A "Next Page" that leads back to pages
// already read, or on and on, ends the walk without storing anything.
class RecordPageWalk {
public:
    // Far beyond any month (a row every few minutes all month is a few hundred pages); only
    // a portal whose "Next Page" never ends gets there.
    static constexpr int DefaultMaxPages = 10000;

    struct Settings {
        bool cachingEnabled = false; // "Retrieve only newer pages"
        QString cacheFolder;         // where the month files live
        // The name the session logged in with; empty when the walk reads it from the page.
        std::string loginUserName;
        PortalLayout layout;
        int maxPages = DefaultMaxPages;
    };

    // A fresh walk: the run state is empty.
    RecordPageWalk();
    explicit RecordPageWalk(Settings settings);
    ~RecordPageWalk();
    RecordPageWalk(RecordPageWalk&&) noexcept;
    RecordPageWalk& operator=(RecordPageWalk&&) noexcept;

    // One loaded record page: `page` is the top document whose frame holds the records. An
    // abandoned walk has written nothing to the month file.
    WalkStep ProcessRecordPage(Document& page);

    // Once finished: the month's rows (new rows, then the stored ones), month and total.
    const MonthRecord& month() const { return m_month; }
    // The finished month, handed on: the report then holds the only reference to the row
    // nodes and can move them into its tree instead of copying them.
    MonthRecord takeMonth() { return std::exchange(m_month, MonthRecord()); }
    // Messages that did not stop the walk (a month file that could not be read or stored).
    const std::vector<RunMessage>& notices() const { return m_notices; }

    const std::string& mstrRows() const { return m_month.mstrRows; }
    const std::string& mstrMonthYear() const { return m_month.mstrMonthYear; }
    const std::string& mstrUserName() const { return m_userName; }
    FixedPoint mcurSiteTotal() const { return m_month.mcurSiteTotal; }
    const QString& mstrCacheFile() const { return m_cacheFile; }
    bool mblnCachingEnabled() const { return m_settings.cachingEnabled; }

    // Pages handed to ProcessRecordPage, and rows taken from them.
    int pagesWalked() const { return m_pages; }
    int rowsTaken() const { return m_rowsTaken; }
    // The month's page count as the last record page showed it; 0 when it shows none.
    int pageCount() const { return m_pageCount; }
    // The walk met a row the month file holds, so it followed no further page.
    bool reachedCache() const { return m_reachedCache; }

    // A row's outer HTML without the portal's stripe classes: the text stored and compared.
    static std::string rowText(const Element& row, const PortalLayout& layout);

private:
    WalkStep abandon(RunMessage message);
    WalkStep pageNotUnderstood(const std::string& detail);
    bool learnUserName(Document& page);
    void learnMonth(const Document& frame);
    bool monthLooksRight() const;
    void openCache();
    bool readSiteTotal(const std::vector<Element*>& tables, std::string& problem);
    const Element* totalCell(const std::vector<Element*>& tables) const;
    void compareSiteTotal(const std::vector<Element*>& tables);
    // The rows of this page not taken before, taken; how many that was.
    int takeRows(const Element& table);
    std::optional<WalkStep> beyondBounds(bool morePages);
    void keepRowNode(const Element& row, std::string_view text);
    std::optional<std::string> readCachedRows(std::string_view text);
    std::optional<std::string> mergeRowNodes(std::size_t newRowsSize);
    Element* nextPageLink(const Document& frame) const;
    WalkStep finish();

    Settings m_settings;
    MonthRecord m_month;
    std::string m_userName;
    QString m_cacheFile;
    std::string m_cachedRows;
    std::unordered_set<std::string> m_cachedRowSet; // the stored rows' cells
    std::unordered_set<std::string> m_takenRowSet;  // the cells of every row this walk met
    // The rows as nodes beside their text (see MonthRows): this walk's, null once one of
    // them could not be kept, and the stored ones, null when they were not parsed in pieces.
    std::unique_ptr<Document> m_rowNodes;
    std::unique_ptr<Document> m_cachedRowNodes;
    bool m_rowParsedFromText = false; // a row's node came from its text, not from the page
    bool m_cacheOpened = false;
    bool m_cacheReadable = true;
    std::vector<RunMessage> m_notices;
    int m_pages = 0;
    int m_rowsTaken = 0;
    int m_pageCount = 0;
    bool m_reachedCache = false;
    // rows arrived at the portal during the walk (a row shown again on a later page, or a
    // month total that changed); they are left for the next walk, with a notice
    bool m_rowsArrived = false;
};
