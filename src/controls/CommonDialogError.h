#pragma once

#include "platform/Failure.h"

#include <QString>
#include <cstdint>

// An error the colour dialog wrapper raises to its caller, with its number and description.
class CommonDialogError : public Failure {
public:
    // 0x8004037E: the object-error base 0x80040000 plus 894.
    static constexpr std::int32_t CancelPressed = -2147220610;

    CommonDialogError(std::int32_t number, const QString& description)
        : Failure(description.toStdString())
        , m_number(number)
        , m_description(description) {}

    std::int32_t number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    std::int32_t m_number;
    QString m_description;
};
