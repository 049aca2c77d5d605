#include "desktop/frmMain.h"

#include "controls/Twips.h"
#include "controls/WidgetResizerWindow.h"
#include "controls/ctlTabs.h"
#include "desktop/MainWindowDesign.h"
#include "desktop/MainWindowRun.h"
#include "desktop/MonthChoices.h"
#include "platform/Clock.h"
#include "platform/MessagePresenter.h"
#include "platform/SettingsStore.h"
#include "platform/Version.h"
#include "retrieval/CacheFileList.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

using namespace MainWindowDesign;

struct TabPage {
    const char* caption;
    const char* frame;
};
constexpr TabPage MainTabs[] = {{"Password Version", "fraPassword"},
                                {"Non Password Version", "fraNonPassword"},
                                {"Use Cache Data", "fraUseCacheData"}};
constexpr TabPage PasswordTabs[] = {{"Login Info", "fraLoginInfo"},
                                    {"Processing", "fraProcessing"}};

// Assistive technology sees the window as a frame titled with its caption, as it sees dialogs
// and main windows (a plain top-level widget would be an untitled client area).
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("frmMain") && object && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

template <std::size_t N>
void setUpStrip(ctlTabs& strip, int width, int height, const TabPage (&pages)[N]) {
    TabStripModel& model = strip.properties();
    model.setTabsWidth(width);
    model.setTabsHeight(height);
    model.setTabs(static_cast<int>(N));
    model.setTabFont(MainWindowDesign::font());
    model.setTabFontActive(MainWindowDesign::font(true));
    for (int tab = 1; tab <= static_cast<int>(N); ++tab) {
        model.setSelectedTab(tab);
        model.setCaption(pages[tab - 1].caption);
        model.setTabFrame(pages[tab - 1].frame);
    }
    model.setSelectedTab(1);
}

} // namespace

frmMain::frmMain(MainWindowServices services, QWidget* parent)
    : QWidget(parent)
    , m_services(std::move(services))
    , m_design(*this, m_services.messages)
    , m_password(m_services.keyring) {
    static const bool accessible = (QAccessible::installFactory(windowInterface), true);
    (void)accessible;
    setObjectName("frmMain");
    setWindowTitle(Version::Title);
    setFont(MainWindowDesign::font());
    m_design.build(MainWindowDesign::controls());
    m_controls = MainWindowControls::find(m_design);
    m_design.setTabOrder(MainWindowDesign::tabOrder());
    // Set on every control: the borderless pages carry a style sheet, which stops the window's
    // font from reaching what they hold.
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setFont(MainWindowDesign::font());
    }
    setUpTabStrips();
    m_run = std::make_unique<MainWindowRun>(m_services.browser, m_services.messages,
                                            m_services.resultWindows, m_settings.options);
    connectControls();
    connectRun();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::setRunTimeout(std::chrono::milliseconds timeout) {
    m_run->setTimeout(timeout);
}

void frmMain::setUpTabStrips() {
    setUpStrip(*m_controls.ctlTabs1, 150, 25, MainTabs);
    setUpStrip(*m_controls.ctlPasswordVersion, 80, 20, PasswordTabs);
    // a page reads as its tab's caption
    for (const TabPage& page : MainTabs) {
        m_design.require<QWidget>(page.frame)->setAccessibleName(page.caption);
    }
    for (const TabPage& page : PasswordTabs) {
        m_design.require<QWidget>(page.frame)->setAccessibleName(page.caption);
    }
    m_controls.lblNonPasswordHeading->setFont(MainWindowDesign::font(true));
}

void frmMain::Form_Load() {
    const QSize design(Twips::toPixelsX(this, ClientWidth), Twips::toPixelsY(this, ClientHeight));
    resize(design);
    setMinimumSize(design);
    m_resizerWindow = std::make_unique<WidgetResizerWindow>(this, FrameAllowance);
    m_resizer.InitResizer(*m_resizerWindow, ClientWidth + FrameAllowance.width(),
                          ClientHeight + FrameAllowance.height(), false);

    const QStringList months = MonthChoices::captions(m_services.clock.today());
    for (std::size_t k = 0; k < m_controls.optDate.size(); ++k) {
        const QString caption = months.value(static_cast<qsizetype>(k));
        m_controls.optDate[k]->setText(caption);
        m_controls.optDate[k]->setAccessibleName(caption);
    }
    m_controls.optDate[0]->setChecked(true);

    MainWindowSettings current;
    current.adminUrl = AdminUrlList::defaults().front();
    current.urls = AdminUrlList::defaultText();
    current.placement = placementNow();
    if (const QScreen* screen = this->screen()) { // first start: centred
        const QRect free = screen->availableGeometry();
        current.placement.left = Twips::fromPixelsX(this, free.x() + (free.width() - width()) / 2);
        current.placement.top = Twips::fromPixelsY(this, free.y() + (free.height() - height()) / 2);
    }
    m_settings = MainWindowSettings::load(m_services.settings, current);
    m_password.restore(m_settings, m_services.settings);
    applySettings(m_settings);

    QLabel* warning = m_controls.lblPasswordWarning;
    warning->setText(QString(PasswordWarning) + "\n\nDownload this software only from " +
                     MakerPage);
    warning->setAccessibleName(warning->text());
    m_controls.lblWebsite->setText(QString("<a href=\"#\">%1</a>").arg(MakerPage));
    m_controls.lblWebsite->setAccessibleName(MakerPage);

    LoadCacheFileList();
    fillAddressBox(m_settings.urls);
    m_controls.cmbAdminURL->setEditText(m_settings.adminUrl);
    focusFirstBox();
    m_loaded = true;
    // said over the window once it is on screen, not before it appears
    QTimer::singleShot(0, this, [this] {
        if (const QString problem = m_services.settings.problem(); !problem.isEmpty()) {
            m_services.messages.show(problem, RunMessage::ApplicationTitle, MessageIcon::Warning);
        }
        tellIfOnlyScrambled();
    });
}

// Said once a run, when a remembered password is first found (or left) only scrambled; and
// each time a locked keyring kept the password from being read or remembered.
void frmMain::tellIfOnlyScrambled() {
    if (!m_password.refusal().isEmpty()) {
        m_services.messages.show(m_password.refusal(), RunMessage::ApplicationTitle,
                                 MessageIcon::Warning);
    }
    if (m_password.onlyScrambled() && !m_toldOnlyScrambled) {
        m_toldOnlyScrambled = true;
        m_services.messages.show(RememberedPassword::OnlyScrambledNotice,
                                 RunMessage::ApplicationTitle, MessageIcon::Information);
    }
}

void frmMain::applySettings(const MainWindowSettings& settings) {
    m_controls.txtUserName->setText(settings.userName);
    m_controls.txtPassword->setText(settings.password);
    m_controls.chkSavePassword->setChecked(settings.savePassword);
    m_controls.chkEnableCache->setChecked(settings.cachingEnabled);
    m_controls.txtDebugPort->setText(QString::number(settings.debugPort));
    applyPlacement(settings.placement);
    m_controls.ctlTabs1->setSelectedTab(settings.selectedTab);
}

void frmMain::applyPlacement(const MainWindowSettings::Placement& placement) {
    resize(Twips::toPixelsX(this, placement.width - FrameAllowance.width()),
           Twips::toPixelsY(this, placement.height - FrameAllowance.height()));
    const QPoint at(Twips::toPixelsX(this, placement.left), Twips::toPixelsY(this, placement.top));
    if (QGuiApplication::screenAt(at)) { // a screen that has gone away keeps the default place
        move(at);
    }
    setWindowState(placement.state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

MainWindowSettings::Placement frmMain::placementNow() const {
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    const QSize size = normal.isValid() ? normal.size() : this->size();
    return {isMaximized() ? 2 : (isMinimized() ? 1 : 0),
            Twips::fromPixelsY(this, size.height()) + FrameAllowance.height(),
            Twips::fromPixelsX(this, size.width()) + FrameAllowance.width(),
            Twips::fromPixelsX(this, pos().x()), Twips::fromPixelsY(this, pos().y())};
}

MainWindowSettings frmMain::settingsNow() const {
    MainWindowSettings settings = m_settings;
    settings.userName = m_controls.txtUserName->text();
    settings.password = m_controls.txtPassword->text();
    settings.savePassword = m_controls.chkSavePassword->isChecked();
    settings.adminUrl = m_controls.cmbAdminURL->currentText();
    settings.cachingEnabled = m_controls.chkEnableCache->isChecked();
    settings.selectedTab = m_controls.ctlTabs1->SelectedTab();
    settings.debugPort = debugPort();
    settings.urls = m_urls.text();
    settings.placement = placementNow();
    return settings;
}

void frmMain::saveSettings() {
    m_settings = settingsNow();
    m_password.keep(m_settings);
    tellIfOnlyScrambled();
    m_settings.save(m_services.settings, isMinimized());
    if (!m_services.settings.flush()) {
        m_services.messages.show("The settings could not be stored.", RunMessage::ApplicationTitle,
                                 MessageIcon::Warning);
    }
}

void frmMain::Form_QueryUnload() {
    if (!m_loaded) {
        return;
    }
    m_run->stop();
    saveSettings();
    m_loaded = false; // saved once, however the window is closed
}

void frmMain::closeEvent(QCloseEvent* event) {
    // only hidden: a check started from the status icon goes on, and is saved again next time
    if (m_keepRunningInTray && !m_quitting) {
        if (m_loaded) {
            saveSettings();
        }
        event->ignore();
        hide();
        return;
    }
    Form_QueryUnload();
    event->accept();
}

void frmMain::Form_Resize() {
    if (!m_loaded || m_resizing) {
        return;
    }
    m_resizing = true;
    m_resizer.FormResized(*m_resizerWindow);
    // The login page's rule counts among those placed first, so it follows picCenter's place
    // of the pass before. A second pass without a size change moves nothing else and centres it.
    m_resizer.FormResized(*m_resizerWindow);
    m_resizing = false;
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void frmMain::cmdClose_Click() {
    close();
}

void frmMain::fillAddressBox(const QString& text) {
    m_urls = AdminUrlList(text);
    QComboBox* box = m_controls.cmbAdminURL;
    const QString typed = box->currentText();
    box->clear();
    box->addItems(m_urls.entries());
    box->setEditText(typed);
}

void frmMain::cmdAddURL_Click() {
    QComboBox* box = m_controls.cmbAdminURL;
    if (m_urls.add(box->currentText(), m_services.messages)) {
        const QString typed = box->currentText();
        box->addItem(m_urls.entries().back());
        box->setEditText(typed);
    }
}

void frmMain::cmdDeleteURL_Click() {
    QComboBox* box = m_controls.cmbAdminURL;
    AdminUrlList::BoxChange change;
    if (!m_urls.remove(box->currentText(), m_services.messages, change)) {
        return;
    }
    box->clear();
    box->addItems(m_urls.entries());
    if (change.select >= 0) {
        box->setCurrentIndex(change.select);
    } else {
        box->setEditText(change.text);
    }
}

void frmMain::LoadCacheFileList() {
    const CacheFileList list = ::LoadCacheFileList(m_services.cacheFolder);
    QComboBox* box = m_controls.cmbCacheFiles;
    box->clear();
    for (const CacheEntry& entry : list.entries) {
        box->addItem(entry.entry);
    }
    box->setCurrentIndex(list.selected);
    // said in the list's place rather than only when the button is pressed
    const QString none = list.status == CacheFileList::Status::Unreadable
                             ? "The stored months cannot be listed: " + list.error
                             : QString(CacheFileList::NoneStoredText);
    box->setPlaceholderText(list.entries.empty() ? none : QString());
    box->setAccessibleDescription(box->placeholderText());
}
