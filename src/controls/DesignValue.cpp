#include "controls/DesignValue.h"

#include <cmath>

std::optional<long long> DesignValue::toWhole(const QVariant& value) {
    const auto number = toNumber(value);
    if (!number || std::fabs(*number) > 9.0e18) {
        return std::nullopt;
    }
    return std::llround(*number);
}

std::optional<double> DesignValue::toNumber(const QVariant& value) {
    if (!value.isValid() || value.typeId() == QMetaType::Bool) {
        return std::nullopt;
    }
    bool ok = false;
    // QString::toDouble ignores the locale, so "1.5" reads the same everywhere.
    const double number = value.typeId() == QMetaType::QString
                              ? value.toString().trimmed().toDouble(&ok)
                              : value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

std::optional<bool> DesignValue::toBool(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    const QString text = value.toString().trimmed();
    if (text.compare("true", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare("false", Qt::CaseInsensitive) == 0) {
        return false;
    }
    const auto number = toNumber(value);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::optional<std::uint32_t> DesignValue::toColor(const QVariant& value) {
    const auto whole = toWhole(value);
    if (!whole || *whole < -2147483648LL || *whole > 0xFFFFFFFFLL) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*whole & 0xFFFFFFFFLL);
}

std::optional<QFont> DesignValue::toFont(const QVariant& value) {
    if (value.typeId() == QMetaType::QFont) {
        return value.value<QFont>();
    }
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    QFont font;
    if (!font.fromString(value.toString())) {
        return std::nullopt;
    }
    return font;
}
