#pragma once

#include "platform/MessagePresenter.h"
#include "platform/Version.h"

#include <QString>
#include <string>

// Something a run tells its user: the message box it shows (text, title, icon) and, for the
// command line and for tests, why the run stopped and any detail the box leaves out.
struct RunMessage {
    enum class Reason {
        Notice,         // the run goes on (a month file that could not be stored)
        MissingInput,   // no portal address, no stored month chosen
        NotAvailable,   // a way of checking that this system does not offer
        LoginRejected,  // the portal showed its login page again after the login
        Relogin,        // the record page is not a logged-in record page
        PortalChanged,  // the portal's pages are not laid out as expected
        BadRow,         // a log row that cannot be read
        NetworkFailure, // the browser could not load a page
        WindowMoved,    // the user's browser window went elsewhere during the walk
        TimedOut,       // no page came within the time-out
        Stopped,        // the owner stopped the run
    };

    Reason reason = Reason::Notice;
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    std::string detail;       // empty when the text says it all
    bool detailInBox = false; // the message box shows the detail too, as its second line
    // The control the window puts the focus on after the message ("cmbAdminURL"), if any.
    QString focus;

    // The text and its detail on one line.
    std::string oneLine() const {
        // a message box may show a second line; a terminal's message stays on one
        std::string line = QString(text).replace('\n', ' ').toStdString();
        if (!detail.empty()) {
            line += " (" + detail + ")";
        }
        return line;
    }

    // What the message box shows.
    QString boxText() const {
        return detailInBox && !detail.empty() ? text + '\n' + QString::fromStdString(detail) : text;
    }

    static constexpr const char* ApplicationTitle = Version::ApplicationTitle;
};
