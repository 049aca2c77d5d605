#include "controls/TabStripAccessible.h"

#include "controls/ctlTabs.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace {

// One tab of a strip. It has no QObject of its own: it lives in Qt's accessibility cache and
// asks the strip for everything.
class PageTab final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTab(ctlTabs* strip, int tab)
        : m_strip(strip)
        , m_tab(tab) {}

    bool isValid() const override { return m_strip && m_tab <= m_strip->Tabs(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_strip ? m_strip->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return m_strip ? QAccessible::queryAccessibleInterface(m_strip) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_strip ? m_strip->properties().caption(m_tab) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const PixelRect r = m_strip->geometryNow().tabRect(m_tab);
        return {m_strip->mapToGlobal(QPoint(r.left, r.top)),
                QSize(r.right - r.left, r.bottom - r.top)};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = isValid() && m_strip->SelectedTab() == m_tab;
        state.invisible = !m_strip || !m_strip->isVisible();
        // the strip takes the focus as a whole and moves it with its selection
        state.focusable = state.selected;
        state.focused = state.selected && m_strip->hasFocus();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) {
            m_strip->setSelectedTab(m_tab);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<ctlTabs> m_strip;
    int m_tab;
};

// The strip: its tabs first, then the frames and other widgets inside it.
class TabStripInterface final : public QAccessibleWidget {
public:
    explicit TabStripInterface(ctlTabs* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    ~TabStripInterface() override {
        for (const QAccessible::Id id : m_tabs) {
            if (QAccessible::accessibleInterface(id)) { // not already gone with the cache
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    // Without a name of its own, the strip is called after the page it shows.
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? strip()->properties().Caption() : own;
    }

    int childCount() const override { return tabCount() + QAccessibleWidget::childCount(); }

    // With the focus on the strip, the selected tab is what a screen reader announces.
    QAccessibleInterface* focusChild() const override {
        return strip()->hasFocus() ? tab(strip()->SelectedTab()) : QAccessibleWidget::focusChild();
    }

    QAccessibleInterface* child(int index) const override {
        if (index < 0) {
            return nullptr;
        }
        if (index < tabCount()) {
            return tab(index + 1);
        }
        return QAccessibleWidget::child(index - tabCount());
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < tabCount(); ++index) {
            if (child == tab(index + 1)) {
                return index;
            }
        }
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : widget + tabCount();
    }

private:
    ctlTabs* strip() const { return static_cast<ctlTabs*>(widget()); }
    int tabCount() const { return strip()->Tabs(); }

    QAccessibleInterface* tab(int number) const {
        while (static_cast<int>(m_tabs.size()) < number) {
            auto* made = new PageTab(strip(), static_cast<int>(m_tabs.size()) + 1);
            m_tabs.push_back(QAccessible::registerAccessibleInterface(made));
        }
        return QAccessible::accessibleInterface(m_tabs[static_cast<std::size_t>(number - 1)]);
    }

    mutable std::vector<QAccessible::Id> m_tabs;
};

} // namespace

QAccessibleInterface* TabStripAccessible::factory(const QString& className, QObject* object) {
    if (className == QLatin1String("ctlTabs") && object && object->isWidgetType()) {
        return new TabStripInterface(static_cast<ctlTabs*>(object));
    }
    return nullptr;
}

void TabStripAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(&TabStripAccessible::factory);
        return true;
    }();
    (void)installed;
}
