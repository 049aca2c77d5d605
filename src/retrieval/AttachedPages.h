#pragma once

#include "retrieval/PortalLayout.h"

#include <optional>
#include <set>
#include <string>

class Document;
class Element;

// What to do with a page the user's window shows.
struct AttachedStep {
    enum class Kind {
        Walk,      // a record page this walk has not taken: the walk takes it
        Click,     // follow `link`: past a page taken already, or back to the month's first page
        Wait,      // nothing; the window's next load tells more
        Left,      // the window left the record pages (or the portal's site): now at `address`
        LeadsBack, // the pages' links lead round to pages taken already
        MovedOn,   // the window jumped past pages not taken yet and offers no way back
    };
    Kind kind = Kind::Wait;
    Element* link = nullptr;
    std::string address;
};

// The pages of an attached walk. The user's window loads for many reasons besides the walk's
// own clicks: a frame that refreshes itself, the user reloading or clicking on. So a load is
// walked only when the record frame shows a page the walk has not taken (a log page is known
// by its first row, which no other page of the month shows), where the walk's last link led.
// A page taken already is passed over by its "Next Page" link, and a page the window jumped
// to is reached again from the month's first page, so no page is taken twice or skipped.
class AttachedPages {
public:
    // `site`: the portal's host when the run names it; the window must stay on it.
    AttachedPages(PortalLayout layout, std::string site);

    // The window as the search found it, on some page of the month.
    AttachedStep start(const Document& page);
    // The window loaded a page (any load at all).
    AttachedStep loaded(const Document& page);
    // The walk took `page` and follows `next` (null: the walk ended there).
    void walked(const Document& page, const Element* next);

    // The host of an address that names the portal (http or https); empty otherwise.
    static std::string siteOf(const std::string& address);

private:
    // The page's mark, or nothing when the record frame shows no record page.
    std::optional<std::string> markOf(const Document& frame) const;
    AttachedStep follow(const Document& frame, Element* link);
    AttachedStep passOver(const Document& frame);
    AttachedStep restart(const Document& frame, const std::string& mark);

    PortalLayout m_layout;
    std::string m_site;
    std::set<std::string> m_walked;          // the marks of the pages taken
    std::set<std::string> m_walkedAddresses; // and their addresses
    std::string m_top;      // the window's own address when it last showed a page taken
    std::string m_expected; // where the last link followed leads; empty when unknown
    int m_passOvers = 0;    // links followed since the walk last took a page
    bool m_restarting = false;
    std::string m_jumpedTo; // the mark of the page the window jumped to
    // Whether a page must be where the link to it pointed; off for a portal whose pages come
    // from other addresses than their links name (a redirect).
    bool m_checkAddresses = true;
};
