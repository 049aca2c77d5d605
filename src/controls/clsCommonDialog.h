#pragma once

#include "controls/ColorChooser.h"

#include <cstdint>

// The colour dialog behind a small property interface: set Color and FLAGS, call ShowColor,
// read Color back. A cancelled dialog leaves Color as it was, or throws CommonDialogError
// "Cancel Pressed" when CancelError is set.
class clsCommonDialog {
public:
    static constexpr int ColorAction = 3;

    explicit clsCommonDialog(ColorChooser& chooser)
        : m_chooser(chooser) {}

    int Action() const { return m_action; }
    long APIReturn() const { return m_apiReturn; }
    long ExtendedError() const { return m_extendedError; }
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool raise) { m_cancelError = raise; }
    std::uint32_t Color() const { return m_color; }
    void setColor(std::uint32_t color) { m_color = color; }
    std::uint32_t FLAGS() const { return m_flags; }
    void setFLAGS(std::uint32_t flags) { m_flags = flags; }

    // Shows the modal colour dialog. Its custom colours start white on every call.
    void ShowColor();

private:
    ColorChooser& m_chooser;
    int m_action = 0;
    long m_apiReturn = 0;
    long m_extendedError = 0;
    bool m_cancelError = false;
    std::uint32_t m_color = 0;
    std::uint32_t m_flags = 0;
};
