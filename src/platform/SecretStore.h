#pragma once

#include <QString>

// The desktop's keyring as a seam: secrets by key, kept encrypted by the desktop. Every call
// says whether a keyring answered at all, so callers can tell "nothing stored" from "no
// keyring here".
class SecretStore {
public:
    enum class Status {
        Done,       // stored, read or removed
        NotFound,   // the keyring answered: nothing under that key
        Unreachable // no keyring answered (none installed, none running, locked, refused)
    };
    struct Result {
        Status status = Status::Unreachable;
        QString secret; // what a read found
        QString why;    // one line, when unreachable
    };

    virtual ~SecretStore() = default;
    virtual Result read(const QString& key) = 0;
    virtual Result write(const QString& key, const QString& secret) = 0;
    // Removing what is not there is done, not a failure.
    virtual Result remove(const QString& key) = 0;
};
