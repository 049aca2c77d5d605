#include "controls/clsCommonDialog.h"

#include "controls/CommonDialogError.h"

void clsCommonDialog::ShowColor() {
    m_action = ColorAction;
    m_apiReturn = 0;
    m_extendedError = 0;
    ColorChooser::Request request;
    request.color = m_color;
    request.flags = m_flags;
    request.customColors.fill(0xFFFFFFu);
    const auto reply = m_chooser.choose(request);
    m_apiReturn = reply.apiReturn;
    if (reply.apiReturn == 1) {
        m_color = reply.color;
    } else if (reply.apiReturn != 0) {
        m_extendedError = reply.extendedError;
    } else if (m_cancelError) {
        throw CommonDialogError(CommonDialogError::CancelPressed, "Cancel Pressed");
    }
}
