#pragma once

#include "controls/ColorChooser.h"
#include "controls/FileChooser.h"

#include <QString>
#include <cstdint>

// The colour and save-file dialogs behind a small property interface: set Color and FLAGS,
// call ShowColor, read Color back; or set Filter, DialogTitle, InitDir, FileName and FLAGS,
// call ShowSave, read FileName and FileTitle back. A cancelled dialog leaves the values as
// they were, or throws CommonDialogError "Cancel Pressed" when CancelError is set.
class clsCommonDialog {
public:
    static constexpr int SaveAction = 2;
    static constexpr int ColorAction = 3;
    // FLAGS of the save dialog: no read-only box.
    static constexpr std::uint32_t HideReadOnly = 4;

    explicit clsCommonDialog(ColorChooser& chooser)
        : m_colorChooser(&chooser) {}
    explicit clsCommonDialog(FileChooser& chooser)
        : m_fileChooser(&chooser) {}
    clsCommonDialog(ColorChooser& colors, FileChooser& files)
        : m_colorChooser(&colors)
        , m_fileChooser(&files) {}

    int Action() const { return m_action; }
    long APIReturn() const { return m_apiReturn; }
    long ExtendedError() const { return m_extendedError; }
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool raise) { m_cancelError = raise; }
    std::uint32_t Color() const { return m_color; }
    void setColor(std::uint32_t color) { m_color = color; }
    std::uint32_t FLAGS() const { return m_flags; }
    void setFLAGS(std::uint32_t flags) { m_flags = flags; }

    // "description|pattern" pairs joined by "|": "Output file (*.htm)|*.htm".
    const QString& Filter() const { return m_filter; }
    void setFilter(const QString& filter) { m_filter = filter; }
    int FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    const QString& DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString& extension) { m_defaultExt = extension; }
    const QString& DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& title) { m_dialogTitle = title; }
    const QString& InitDir() const { return m_initDir; }
    void setInitDir(const QString& folder) { m_initDir = folder; }
    // The starting name before ShowSave, the chosen path after it.
    const QString& FileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    // The chosen file's name without its folder.
    const QString& FileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString& title) { m_fileTitle = title; }

    // Shows the modal colour dialog. Its custom colours start white on every call. Without a
    // colour chooser nothing is shown and APIReturn stays 0.
    void ShowColor();
    // Shows the modal save dialog. Without a file chooser nothing is shown, as a cancel.
    void ShowSave();

private:
    void cancelled() const;

    ColorChooser* m_colorChooser = nullptr;
    FileChooser* m_fileChooser = nullptr;
    QString m_filter;
    int m_filterIndex = 0;
    QString m_defaultExt;
    QString m_dialogTitle;
    QString m_initDir;
    QString m_fileName;
    QString m_fileTitle;
    int m_action = 0;
    long m_apiReturn = 0;
    long m_extendedError = 0;
    bool m_cancelError = false;
    std::uint32_t m_color = 0;
    std::uint32_t m_flags = 0;
};
