#include "desktop/ReportOutput.h"

#include "report/ReportExport.h"
#include "controls/clsCommonDialog.h"
#include "platform/MessagePresenter.h"
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

void ReportOutput::showFailure(const QString& description) {
    m_messages.show(description, FileDataStore::ApplicationTitle, MessageIcon::Critical);
}

bool ReportOutput::cmdSave(const Document& report) {
    const QString path = chooseTarget(QStringLiteral("htm"));
    if (path.isEmpty()) {
        return false;
    }
    // the report declares Latin-1; characters beyond it are kept as character references
    if (!FileDataStore(m_messages)
             .SaveFileData(path, ReportExport::htmlText(report), false,
                           SingleByteText::Unmappable::CharacterReference)) {
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
    std::string text;
    try {
        text = ReportExport::csvText(report);
    } catch (const ExportError& error) {
        showFailure(QString::fromStdString(error.what()));
        return false;
    }
    return FileDataStore(m_messages)
        .SaveFileData(path, text, false, SingleByteText::Unmappable::QuestionMark);
}
