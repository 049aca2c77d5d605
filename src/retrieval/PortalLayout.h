#pragma once

#include <array>
#include <string_view>

// Where the operator's portal keeps what the session and the page walk read: titles, field
// names, link texts and the positions of the month, the user name, the month total and the
// rows. A portal that changes its pages needs an edit here and nowhere else.
struct PortalLayout {
    // Login page: its exact title and the fields of form 0.
    std::string_view loginTitle = "portal";
    std::string_view userNameField = "username";
    std::string_view passwordField = "Password";

    // The link that leads from the first page after login to the month query.
    std::string_view recordsLinkText = "Service Records";
    // The query form (form 0 of frame 0): one radio button per month back from this one.
    std::string_view monthChoiceField = "querydate";
    int monthChoices = 6;
    // Only loads whose address contains this carry record pages.
    std::string_view resultsAddressPart = "Results";

    // Record page: the frame holding it, and the least number of tables a record page has.
    int recordFrame = 0;
    int minimumTables = 2;
    // Month text: characters 2 to 8 of this element of the record frame's document.
    int monthElement = 34;
    int monthTextStart = 1;
    int monthTextLength = 7;
    // The first characters of every month text the walk accepts.
    std::string_view monthPrefix = "20";
    // User name: this element of the top document, without the greeting that follows it.
    int userElement = 71;
    std::string_view welcomeText = ", welcome!";
    // The portal's own month total in GB.
    int totalTable = 3;
    int totalRow = 1;
    int totalCell = 3;
    // Log rows: this table from this row on, nine cells each.
    int rowsTable = 4;
    int firstRow = 2;
    // Stripe classes the portal puts on alternate rows; dropped so a row's text is stable.
    std::array<std::string_view, 2> stripeClasses = {"td01", "td02"};
    // How a record page names its place in the month: "Page 3 of 12".
    std::string_view pageCountWord = "Page";
    std::string_view pageCountOf = "of";
    // Texts of the link to the next record page, compared exactly (case included).
    std::array<std::string_view, 2> nextPageTexts = {"Next Page", "pages/record/nextpage"};

    // A record page open in the user's own browser window: a word of its title, what its
    // frame shows, and the link back to the first page of the month.
    std::string_view externalTitlePart = "portal";
    std::array<std::string_view, 2> recordFrameMarks = {"Total Send Volume(GB)",
                                                        "pages/record/records"};
    std::array<std::string_view, 2> firstPageTexts = {"Homepage", "pages/record/frontpage"};
};
