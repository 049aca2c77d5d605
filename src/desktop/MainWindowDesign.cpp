#include "desktop/MainWindowDesign.h"

#include "retrieval/AttachHelp.h"

namespace {

using K = ControlDesign::Kind;

// Containers come before what they hold. Frames inside a tab strip are its pages; the
// login page and the month-file page are kept centred on picCenter as the window widens.
constexpr ControlDesign Controls[] = {
    // clang-format off
    {K::TabStrip, "ctlTabs1", -1, "", "", 120, 120, 8760, 5760, "::2:2$~$", ""},
    {K::Marker, "picCenter", -1, "", "", 4365, 314, 15, 15, "1:::$~$", "", "", false},
    {K::CheckBox, "chkEnableCache", -1, "", "Retrieve &only newer pages", 120, 5985, 2700, 300, ":2::$~$", ""},
    {K::Link, "Label12", -1, "", "What is this ?", 2880, 6015, 1200, 255, "0:2:0:$~$", ""},
    {K::Button, "cmdCalculate", -1, "", "Check &Bandwidth Usage", 5310, 6345, 2175, 375, "3810:1065::$~$", ""},
    {K::Button, "cmdClose", -1, "", "&Close", 7680, 6345, 1095, 375, "1440:1065::$~$", ""},
    {K::Button, "cmdSchedule", -1, "", "Sch&eduled check...", 3240, 6345, 1950, 375, "5880:1065::$~$", "", "The daily check, its alerts, and the status icon at login"},
    {K::Link, "lblWebsite", -1, "", "", 120, 6420, 3000, 255, ":990::$~$", ""},

    {K::Frame, "fraPassword", -1, "ctlTabs1", "", 30, 405, 8700, 5325, "::2:2$~$", ""},
    {K::Frame, "fraNonPassword", -1, "ctlTabs1", "", 105, 554, 8550, 5100, "-4275_picCenter:225_picCenter::$~$", ""},
    {K::Frame, "fraUseCacheData", -1, "ctlTabs1", "", 105, 554, 8550, 5100, "-4275_picCenter:225_picCenter::$~$", ""},

    // The inner strip grows with its page, or it would cut off the "Processing" page.
    {K::TabStrip, "ctlPasswordVersion", -1, "fraPassword", "", 0, 0, 8700, 5325, "::2:2$~$", ""},
    {K::Frame, "fraLoginInfo", -1, "ctlPasswordVersion", "", 120, 330, 8520, 4920, "-4260_picCenter:1_picCenter::$~$", ""},
    {K::Frame, "fraProcessing", -1, "ctlPasswordVersion", "", 60, 330, 8580, 4935, "::2:2$~$", ""},

    {K::Label, "lblUserName", -1, "fraLoginInfo", "Netravo User&Name", 120, 150, 2280, 255, "", "txtUserName"},
    {K::TextBox, "txtUserName", -1, "fraLoginInfo", "", 2520, 120, 3000, 315, "", ""},
    {K::Label, "lblPassword", -1, "fraLoginInfo", "Netravo &Password", 120, 570, 2280, 255, "", "txtPassword"},
    {K::Password, "txtPassword", -1, "fraLoginInfo", "", 2520, 540, 3000, 315, "", ""},
    {K::Note, "lblPasswordNote", -1, "fraLoginInfo", "(This is administrative password and is not same as email password. )", 2520, 885, 5880, 255, "", ""},
    {K::CheckBox, "chkSavePassword", -1, "fraLoginInfo", "&Remember password", 2520, 1185, 3000, 285, "", ""},
    {K::Label, "lblCheckUsageFor", -1, "fraLoginInfo", "Check Usage for", 120, 1590, 2280, 255, "", ""},
    {K::Option, "optDate", 0, "fraLoginInfo", "", 2520, 1560, 1400, 285, "", ""},
    {K::Option, "optDate", 1, "fraLoginInfo", "", 4020, 1560, 1400, 285, "", ""},
    {K::Option, "optDate", 2, "fraLoginInfo", "", 5520, 1560, 1400, 285, "", ""},
    {K::Option, "optDate", 3, "fraLoginInfo", "", 2520, 1890, 1400, 285, "", ""},
    {K::Option, "optDate", 4, "fraLoginInfo", "", 4020, 1890, 1400, 285, "", ""},
    {K::Option, "optDate", 5, "fraLoginInfo", "", 5520, 1890, 1400, 285, "", ""},
    {K::Label, "lblAdminURL", -1, "fraLoginInfo", "Administrative login &url", 120, 2340, 2280, 255, "", "cmbAdminURL"},
    {K::ComboBox, "cmbAdminURL", -1, "fraLoginInfo", "", 2520, 2310, 3960, 315, "", ""},
    {K::Button, "cmdAddURL", -1, "fraLoginInfo", "&Add", 6600, 2295, 840, 345, "", ""},
    {K::Button, "cmdDeleteURL", -1, "fraLoginInfo", "&Delete", 7560, 2295, 840, 345, "", ""},
    {K::Note, "lblURLNote", -1, "fraLoginInfo", "(Enter here URL to login page of Netravo usage checking site)", 2520, 2700, 5880, 255, "", ""},
    {K::Note, "lblPasswordWarning", -1, "fraLoginInfo", "", 120, 3120, 8280, 1200, "", ""},

    {K::Label, "lblProcessing", -1, "fraProcessing", "Here the processing of pages from netravo site is shown.", 120, 60, 8340, 255, "", "WebBrowser1"},
    {K::Viewer, "WebBrowser1", -1, "fraProcessing", "", 120, 360, 8340, 3960, "::2:2$~$", ""},
    {K::Label, "lblProgress", -1, "fraProcessing", "", 120, 4455, 6600, 255, ":2::$~$", ""},
    {K::Button, "cmdStop", -1, "fraProcessing", "&Stop", 7380, 4395, 1080, 375, "2:2::$~$", ""},

    {K::Label, "lblNonPasswordHeading", -1, "fraNonPassword", "Step for running Non password version", 240, 120, 8070, 285, "", ""},
    {K::Note, "lblStep1", -1, "fraNonPassword", AttachHelp::Steps[0], 240, 540, 8070, 285, "", ""},
    {K::Note, "lblStep2", -1, "fraNonPassword", AttachHelp::Steps[1], 240, 900, 8070, 285, "", ""},
    {K::Note, "lblStep3", -1, "fraNonPassword", AttachHelp::Steps[2], 240, 1260, 8070, 330, "", ""},
    {K::Note, "lblStep4", -1, "fraNonPassword", AttachHelp::Steps[3], 240, 1620, 8070, 480, "", ""},

    // Where the user's own browser lists its windows, and how to start it that way.
    {K::Label, "lblDebugPort", -1, "fraNonPassword", "Browser debu&gging port", 240, 2415, 2280, 255, "", "txtDebugPort"},
    {K::TextBox, "txtDebugPort", -1, "fraNonPassword", "", 2520, 2385, 1080, 315, "", ""},
    {K::Button, "cmdBrowserHelp", -1, "fraNonPassword", "Ho&w to start your browser", 3840, 2370, 2760, 345, "", ""},
    {K::Label, "lblStartCommand", -1, "fraNonPassword", "Start co&mmand", 240, 2835, 2280, 255, "", "txtStartCommand"},
    {K::TextBox, "txtStartCommand", -1, "fraNonPassword", "", 2520, 2805, 4800, 315, "", ""},
    {K::Button, "cmdCopyCommand", -1, "fraNonPassword", "Cop&y", 7440, 2790, 870, 345, "", ""},
    {K::Label, "lblAttachProgress", -1, "fraNonPassword", "", 240, 3375, 6840, 255, "", ""},
    {K::Button, "cmdStopAttach", -1, "fraNonPassword", "S&top", 7230, 3315, 1080, 375, "", ""},

    {K::Label, "lblSelectCache", -1, "fraUseCacheData", "Select the cache f&ile to generate report", 240, 120, 4500, 255, "", "cmbCacheFiles"},
    // wide enough for the line it shows while no month is stored
    {K::ListCombo, "cmbCacheFiles", -1, "fraUseCacheData", "", 240, 420, 6300, 315, "", ""},
    {K::Button, "cmdHistory", -1, "fraUseCacheData", "&History", 6660, 405, 1650, 345, "", "", "Every stored month side by side, and the plan that would have cost least (Ctrl+H, from every page)"},
    {K::Note, "lblCacheExplanation", -1, "fraUseCacheData", "If you have enabled 'Retrieve only newer pages', your service records for each month is stored as a local file. You can use this locally stored data(Cache) to generate report, without logging on to Netravo site. This option can be used if you are sure that your Netravo log has not changed since you last checked your usage. This option will avoid logging into Netravo site for checking previous month records.", 240, 900, 8070, 1500, "", ""},
    // clang-format on
};

// Reading order: the page's boxes top to bottom, then what lies below the tabs.
constexpr std::string_view TabOrder[] = {
    // clang-format off
    "ctlTabs1", "ctlPasswordVersion",
    "txtUserName", "txtPassword", "chkSavePassword", "optDate", "cmbAdminURL", "cmdAddURL",
    "cmdDeleteURL",
    "WebBrowser1", "cmdStop",
    "txtDebugPort", "cmdBrowserHelp", "txtStartCommand", "cmdCopyCommand", "cmdStopAttach",
    "cmbCacheFiles", "cmdHistory",
    "chkEnableCache", "Label12", "cmdSchedule", "cmdCalculate", "cmdClose", "lblWebsite",
    // clang-format on
};

} // namespace

namespace MainWindowDesign {

const char* const PasswordWarning =
    "This software fetches data from Corvatel site and is not related to Corvatel in anyway. "
    "The software is provided in AS IS condition and we are not liable for any mistakes in "
    "this software.";

const char* const MakerPage = "https://veltrix.example/";

const char* const CacheHelp =
    "Instead of downloading all the log pages each time to calculate the total monthly "
    "bandwidth, when this option is enabled retrieved pages are stored locally and next time "
    "only pages containing new records are downloaded from netravo website. This will save you "
    "lot of bandwidth if your log pages run into many pages and if you check your usage often.";

QFont font(bool bold) {
    QFont font("Liberation Sans");
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

std::span<const ControlDesign> controls() {
    return Controls;
}

std::span<const std::string_view> tabOrder() {
    return TabOrder;
}

} // namespace MainWindowDesign
