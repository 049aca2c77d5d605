#include "controls/clsCommonDialog.h"

#include "controls/CommonDialogError.h"

#include <QFileInfo>

void clsCommonDialog::cancelled() const {
    if (m_cancelError) {
        throw CommonDialogError(CommonDialogError::CancelPressed, "Cancel Pressed");
    }
}

void clsCommonDialog::ShowColor() {
    m_action = ColorAction;
    m_apiReturn = 0;
    m_extendedError = 0;
    if (!m_colorChooser) {
        return;
    }
    ColorChooser::Request request;
    request.color = m_color;
    request.flags = m_flags;
    request.customColors.fill(0xFFFFFFu);
    const auto reply = m_colorChooser->choose(request);
    m_apiReturn = reply.apiReturn;
    if (reply.apiReturn == 1) {
        m_color = reply.color;
    } else if (reply.apiReturn != 0) {
        m_extendedError = reply.extendedError;
    } else {
        cancelled();
    }
}

void clsCommonDialog::ShowSave() {
    m_action = SaveAction;
    m_apiReturn = 0;
    m_extendedError = 0;
    if (!m_fileChooser) {
        return;
    }
    FileChooser::Request request;
    request.title = m_dialogTitle;
    request.filter = m_filter;
    request.filterIndex = m_filterIndex;
    request.initialFolder = m_initDir;
    request.fileName = m_fileName.left(m_fileName.indexOf(QChar(u'\0')));
    request.defaultExtension = m_defaultExt;
    request.flags = m_flags;
    const FileChooser::Reply reply = m_fileChooser->chooseSave(request);
    if (!reply.accepted) {
        cancelled();
        return;
    }
    m_apiReturn = 1;
    // a path never holds NUL; whatever follows one is the old buffer's padding
    m_fileName = reply.path.left(reply.path.indexOf(QChar(u'\0')));
    m_fileTitle = QFileInfo(m_fileName).fileName();
}
