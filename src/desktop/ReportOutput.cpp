#include "desktop/ReportOutput.h"

#include "controls/clsCommonDialog.h"
#include "platform/MessagePresenter.h"
#include "report/ReportExport.h"
#include "retrieval/FileDataStore.h"

#include <QFileInfo>

QString ReportOutput::ShowSaveDialog(clsCommonDialog& dialog, const QString& initialFolder,
                                     const QString& initialName, const QString& extension) {
    dialog.setFilter(QStringLiteral("Output file (*.%1)|*.%1").arg(extension));
    dialog.setFilterIndex(1);
    dialog.setFileName(initialName);
    dialog.setDialogTitle(QStringLiteral("Enter Filename to save"));
    dialog.setFLAGS(clsCommonDialog::HideReadOnly);
    dialog.setInitDir(initialFolder);
    dialog.ShowSave();
    if (dialog.APIReturn() != 1) {
        return {};
    }
    const std::string path = ReportExport::withExtension(
        ReportExport::TrimAtNull(dialog.FileName().toStdString()), extension.toStdString());
    return QString::fromStdString(path);
}

QString ReportOutput::chooseTarget(const QString& extension) {
    clsCommonDialog dialog(m_files);
    const QString path = ShowSaveDialog(dialog, QString(), QString(), extension);
    if (path.isEmpty()) {
        return {};
    }
    if (QFileInfo::exists(path) &&
        !m_messages.askYesNo(OverwriteQuestion, FileDataStore::ApplicationTitle, false)) {
        return {};
    }
    return path;
}

bool ReportOutput::cmdSave(const Document& report) {
    const QString path = chooseTarget(QStringLiteral("htm"));
    if (path.isEmpty()) {
        return false;
    }
    try {
        // the report declares Latin-1; characters beyond it are kept as character references
        FileDataStore::SaveFileData(path, ReportExport::htmlText(report), false,
                                    SingleByteText::Unmappable::CharacterReference);
    } catch (const Failure& failure) {
        m_messages.showFailure(failure);
        return false;
    }
    m_messages.show(SavedMessage, FileDataStore::ApplicationTitle, MessageIcon::Information);
    return true;
}

bool ReportOutput::cmdExport(const Document& report) {
    const QString path = chooseTarget(QStringLiteral("csv"));
    if (path.isEmpty()) {
        return false;
    }
    try {
        FileDataStore::SaveFileData(path, ReportExport::csvText(report), false,
                                    SingleByteText::Unmappable::QuestionMark);
    } catch (const Failure& failure) { // rows that cannot be exported, or the file
        m_messages.showFailure(failure);
        return false;
    }
    return true;
}
