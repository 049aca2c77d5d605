#include "controls/ControlResizer.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

const QString Marker = QStringLiteral("$~$");

QString keyNameOf(const ResizerWindow& frm, int position) {
    const auto index = frm.index(position);
    return index ? frm.name(position) + "." + QString::number(*index) : frm.name(position);
}

// One axis of a control: its own start (Left or Top) and size before this pass, and the
// window's outer size along that axis now and at the previous pass.
struct AxisValues {
    int start = 0;
    int size = 0;
    int span = 0;
    int span0 = 0;
};

long scaled(long value, const AxisValues& axis) {
    if (axis.span0 <= 0) {
        return value;
    }
    return std::lround(static_cast<double>(value) / axis.span0 * axis.span);
}

// The referenced control along one axis: its start (Left or Top) and size.
struct Span {
    long start = 0;
    long size = 0;
};

// Rules 0 to 3 treat a position and a size alike: kept, scaled, moved with the window's
// edge, or moved but not below 0. Nothing for the other rules.
std::optional<long> windowRule(long n, long value, const AxisValues& a) {
    const long change = a.span - a.span0;
    switch (n) {
    case 0:
        return value;
    case 1:
        return scaled(value, a);
    case 2:
        return value + change;
    case 3:
        return std::max(0L, value + change);
    default:
        return std::nullopt;
    }
}

// Left or Top by rule `n`.
long edgeRule(long n, int referenceField, const std::optional<Span>& ref, const AxisValues& a) {
    if (const auto value = windowRule(n, a.start, a)) {
        return *value;
    }
    if (n == 4) {
        return ref ? ref->start : a.start;
    }
    if (n == 5) { // far edges aligned
        return ref ? ref->start + ref->size - a.size : a.start;
    }
    if (referenceField == ControlResizer::NoReference) {
        return a.span - n; // n from the window's far edge
    }
    return ref ? ref->start + ref->size + n : a.start; // n past the referenced control
}

// Width or Height by rule `n`, once the new Left or Top (`newStart`) is known.
long sizeRule(long n, int referenceField, const std::optional<Span>& ref, const AxisValues& a,
              long newStart) {
    if (const auto value = windowRule(n, a.size, a)) {
        return *value;
    }
    if (n == 4) {
        return ref ? ref->size : a.size;
    }
    if (n == 5) { // stretched to the referenced control's far edge
        return ref ? ref->start + ref->size - a.start : a.size;
    }
    if (referenceField == ControlResizer::NoReference) {
        return a.span - newStart - n;
    }
    // stretched to n before the referenced control's near edge
    return ref ? ref->start - n - newStart : a.size;
}

int toInt(long value) {
    return static_cast<int>(std::clamp(value, -2147483647L, 2147483647L));
}

} // namespace

QString ControlResizer::TextBefore(const QString& text, const QString& separator) {
    const auto at = text.indexOf(separator);
    return at < 0 ? text : text.left(at);
}

QString ControlResizer::TextAfter(const QString& text, const QString& separator) {
    const auto at = text.indexOf(separator);
    return at < 0 ? QString() : text.mid(at + separator.size());
}

long ControlResizer::ToLong(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok); // locale-independent
    if (!ok || !std::isfinite(number) || std::fabs(number) > 2147483647.0) {
        return 0;
    }
    return std::lround(number);
}

void ControlResizer::InitResizer(ResizerWindow& frm, int MinWidth, int MinHeight,
                                 bool UseFreeResize) {
    m_previousWidth = frm.width();
    m_previousHeight = frm.height();
    m_minWidth = MinWidth;
    m_minHeight = MinHeight;
    m_freeResize = UseFreeResize;
    RecordControls(frm);
    m_initialised = true;
}

void ControlResizer::RecordControls(ResizerWindow& frm) {
    m_records.clear();
    QHash<QString, int> positionOfKey;
    const int count = frm.controlCount();
    std::vector<std::array<QString, 4>> referenceNames;
    for (int position = 0; position < count; ++position) {
        positionOfKey.insert(keyNameOf(frm, position).toLower(), position);
        const QString tag = frm.tag(position);
        if (!tag.contains(Marker)) {
            continue;
        }
        const QStringList fields = TextBefore(tag, Marker).split(':');
        Record record;
        record.position = position;
        record.keyName = keyNameOf(frm, position);
        std::array<QString, 4> names;
        for (int axis = Left; axis <= Height; ++axis) {
            const QString field = axis < fields.size() ? fields[axis] : QString();
            record.rules[axis] = ToLong(TextBefore(field, "_"));
            names[axis] = TextAfter(field, "_");
        }
        const bool followsNothing = std::all_of(record.rules.begin(), record.rules.end(),
                                                [](long rule) { return rule < 4; });
        record.level = followsNothing ? -1 : 0;
        m_records.push_back(record);
        referenceNames.push_back(names);
        frm.setTag(position, TextAfter(tag, Marker));
    }
    // References may name any control of the window, also one listed after the referrer.
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        for (int axis = Left; axis <= Height; ++axis) {
            const QString& name = referenceNames[i][axis];
            if (!name.isEmpty()) {
                m_records[i].references[axis] =
                    positionOfKey.value(name.toLower(), UnknownReference);
            }
        }
    }
    RankRecords();
}

void ControlResizer::RankRecords() {
    std::vector<bool> visiting(m_records.size(), false);
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        RecordLevel(i, visiting);
    }
    // SortRecords: a stable sort keeps the window's order among equal levels
    std::stable_sort(m_records.begin(), m_records.end(),
                     [](const Record& a, const Record& b) { return a.level < b.level; });
}

int ControlResizer::RecordLevel(std::size_t record, std::vector<bool>& visiting) {
    Record& self = m_records[record];
    if (self.level != 0) {
        return self.level;
    }
    // A cycle of references would recurse for ever; the record being ranked counts as 0.
    visiting[record] = true;
    int highest = 0;
    for (const int reference : self.references) {
        if (reference < 0) {
            continue;
        }
        for (std::size_t other = 0; other < m_records.size(); ++other) {
            if (m_records[other].position == reference && !visiting[other]) {
                highest = std::max(highest, RecordLevel(other, visiting));
            }
        }
    }
    visiting[record] = false;
    m_records[record].level = 1 + highest;
    return m_records[record].level;
}

void ControlResizer::FormResized(ResizerWindow& frm) {
    if (!m_initialised) {
        return; // "Initiate resize module before resizing": nothing to lay out yet
    }
    const auto state = frm.state();
    if (state == ResizerWindow::State::Minimized) {
        m_wasMinimised = true;
        return;
    }
    if (m_wasMinimised) {
        m_wasMinimised = false;
        if (state != ResizerWindow::State::Maximized) {
            return; // restored to the size the controls were laid out for
        }
    }
    int width = frm.width();
    int height = frm.height();
    if (m_freeResize) {
        if (width < m_minWidth || height < m_minHeight) {
            return;
        }
    } else {
        if (width < m_minWidth) {
            width = m_minWidth;
            frm.setWidth(width);
        }
        if (height < m_minHeight) {
            height = m_minHeight;
            frm.setHeight(height);
        }
    }
    if (m_records.empty()) {
        return;
    }
    // A pass that fails part-way keeps the previous size, so the next pass redoes the change.
    if (applyPass(frm, width, height)) {
        m_previousWidth = width;
        m_previousHeight = height;
    }
}

bool ControlResizer::applyPass(ResizerWindow& frm, int width, int height) {
    for (const auto& record : m_records) {
        if (!applyRecord(frm, record, width, height)) {
            return false;
        }
    }
    return true;
}

bool ControlResizer::applyRecord(ResizerWindow& frm, const Record& record, int width, int height) {
    const auto own = frm.geometry(record.position);
    if (!own) {
        return false;
    }
    std::array<std::optional<ResizerWindow::Geometry>, 4> refs;
    for (int axis = Left; axis <= Height; ++axis) {
        if (record.references[axis] >= 0) {
            refs[axis] = frm.geometry(record.references[axis]);
            if (!refs[axis]) {
                return false;
            }
        }
    }
    const auto across = [&](int axis) -> std::optional<Span> {
        return refs[axis] ? std::optional(Span{refs[axis]->left, refs[axis]->width}) : std::nullopt;
    };
    const auto down = [&](int axis) -> std::optional<Span> {
        return refs[axis] ? std::optional(Span{refs[axis]->top, refs[axis]->height}) : std::nullopt;
    };
    const AxisValues horizontal{own->left, own->width, width, m_previousWidth};
    const AxisValues vertical{own->top, own->height, height, m_previousHeight};
    const long left =
        edgeRule(record.rules[Left], record.references[Left], across(Left), horizontal);
    const long top = edgeRule(record.rules[Top], record.references[Top], down(Top), vertical);
    const long newWidth =
        sizeRule(record.rules[Width], record.references[Width], across(Width), horizontal, left);
    const long newHeight =
        sizeRule(record.rules[Height], record.references[Height], down(Height), vertical, top);
    // a size below 0 cannot be given to a control; it shrinks to nothing instead
    const int sizedWidth = toInt(std::max(0L, newWidth));
    const std::optional<int> sizedHeight =
        frm.typeName(record.position) == QLatin1String("ComboBox")
            ? std::nullopt
            : std::optional(toInt(std::max(0L, newHeight)));
    return frm.move(record.position, toInt(left), toInt(top), sizedWidth, sizedHeight);
}
