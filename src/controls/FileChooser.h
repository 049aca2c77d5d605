#pragma once

#include <QString>
#include <cstdint>

// The system's save-file dialog as the common dialog wrapper drives it: a title, a filter
// of "description|pattern" pairs, a starting folder and name, flags, and a reply with the
// chosen path or a cancel.
class FileChooser {
public:
    struct Request {
        QString title;
        QString filter; // "Output file (*.htm)|*.htm", pairs joined by "|"
        int filterIndex = 1;
        QString initialFolder;
        QString fileName;
        QString defaultExtension;
        std::uint32_t flags = 0; // 4: no read-only box (the Qt dialog never shows one)
    };
    struct Reply {
        bool accepted = false;
        QString path;
    };

    virtual ~FileChooser() = default;
    // Shows the save dialog modally.
    virtual Reply chooseSave(const Request& request) = 0;
};
