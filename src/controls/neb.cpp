#include "controls/neb.h"

#include "controls/DesignValue.h"
#include "controls/Twips.h"
#include "platform/ColorValue.h"
#include "platform/PropertyBag.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int MinimumHeightTwips = 300;

// Shift 1, Ctrl 2, Alt 4, as key handlers have always received them.
int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

neb::neb(MessagePresenter& messages, QWidget* parent)
    : QWidget(parent)
    , m_textBox(new QLineEdit(this))
    , m_logic(*this, messages) {
    m_textBox->setObjectName("txtNeb");
    m_textBox->installEventFilter(this);
    setFocusProxy(m_textBox);
    setMinimumHeight(Twips::toPixelsY(this, MinimumHeightTwips));
    connect(m_textBox, &QLineEdit::textChanged, this, [this] { m_logic.textChanged(); });
    m_logic.setChangeHandler([this] { Q_EMIT Change(); });
    m_logic.placeNew();
    applyColors();
}

QString neb::text() const {
    return m_textBox->text();
}

void neb::setText(const QString& text) {
    m_textBox->setText(text);
}

int neb::caret() const {
    return m_textBox->hasSelectedText() ? m_textBox->selectionStart() : m_textBox->cursorPosition();
}

int neb::selectionLength() const {
    return m_textBox->selectionLength();
}

void neb::setSelection(int start, int length) {
    if (length > 0) {
        m_textBox->setSelection(start, length);
    } else {
        m_textBox->setCursorPosition(start);
    }
}

void neb::focusNext() {
    focusNextChild();
}

void neb::setBackColor(std::uint32_t color) {
    m_backColor = color;
    applyColors();
}

void neb::setForeColor(std::uint32_t color) {
    m_foreColor = color;
    applyColors();
}

void neb::applyColors() {
    QPalette palette = m_textBox->palette();
    const QColor back = ColorValue::toQColor(m_backColor);
    const QColor fore = ColorValue::toQColor(m_foreColor);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Text, fore);
    }
    m_textBox->setPalette(palette);
}

QSize neb::sizeHint() const {
    return m_textBox->sizeHint();
}

void neb::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_textBox->setGeometry(rect());
}

void neb::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !m_loading) {
        setForeColor(isEnabled() ? WindowText : GrayText);
    }
}

bool neb::filterKey(QKeyEvent* event) {
    Q_EMIT KeyDown(event->key(), shiftState(event->modifiers()));
    const QString typed = event->text();
    // Ctrl and Alt combinations are commands (paste, undo), not characters to type; what they
    // change goes through the change repair.
    if (typed.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    const int original = typed.front().unicode();
    int key = original;
    Q_EMIT KeyPress(key);
    key = key == 0 ? 0 : m_logic.KeyPress(key);
    if (key != 0 && key != original) {
        m_textBox->insert(QString(QChar(static_cast<char16_t>(key))));
        return true;
    }
    return key == 0;
}

bool neb::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_textBox) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        Q_EMIT KeyUp(key->key(), shiftState(key->modifiers()));
        break;
    }
    case QEvent::FocusIn:
        m_logic.gotFocus();
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            // the click that brought the focus would place the caret and drop the selection
            QMetaObject::invokeMethod(
                this, [this] { m_logic.gotFocus(); }, Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusOut:
        // the box's own context menu takes the focus only for a moment
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            m_logic.lostFocus();
        }
        break;
    default:
        break;
    }
    return false;
}

void neb::load(const PropertyBag& bag) {
    m_logic.load(bag);
    if (const auto font = DesignValue::toFont(bag.read("Font"))) {
        setFont(*font);
    }
    if (const auto color = DesignValue::toColor(bag.read("BackColor"))) {
        setBackColor(*color);
    }
    m_loading = true; // a stored design enables or disables without touching the text colour
    setEnabled(DesignValue::toBool(bag.read("Enabled", true)).value_or(true));
    m_loading = false;
    m_textBox->setToolTip(bag.read("ToolTipText", QString()).toString());
}

void neb::save(PropertyBag& bag) const {
    m_logic.save(bag);
    bag.write("Font", QVariant::fromValue(m_textBox->font()));
    bag.write("BackColor", m_backColor);
    if (!isEnabled()) {
        bag.write("Enabled", false);
    }
    bag.write("ToolTipText", m_textBox->toolTip());
}
