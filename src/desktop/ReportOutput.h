#pragma once

#include <QString>

class Document;
class FileChooser;
class MessagePresenter;
class clsCommonDialog;

// Saving the report page: the report as HTML ("&Save Report..") and its detail rows as
// comma-separated text ("Export..."), each through the save dialog, the overwrite question
// and the file writer; a failure is shown in a message box. Nothing is written unless the
// whole text could be made.
class ReportOutput {
public:
    static constexpr const char* OverwriteQuestion =
        "File Already exist. So you want to overwrite ?";
    static constexpr const char* SavedMessage = "File saved successfully";

    ReportOutput(MessagePresenter& messages, FileChooser& files)
        : m_messages(messages)
        , m_files(files) {}

    // The chosen path with "." + extension added unless it holds that text already; empty
    // when the user cancelled.
    static QString ShowSaveDialog(clsCommonDialog& dialog, const QString& initialFolder,
                                  const QString& initialName, const QString& extension);

    // True when the file was written.
    bool cmdSave(const Document& report);
    bool cmdExport(const Document& report);

    // The path to write, or empty: cancelled, or an existing file the user keeps.
    QString chooseTarget(const QString& extension);

private:
    MessagePresenter& m_messages;
    FileChooser& m_files;
};
