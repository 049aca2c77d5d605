#pragma once

#include <QString>

// The desktop's keyring as a seam: secrets by key, kept encrypted by the desktop. Every call
// says whether a keyring answered at all, so callers can tell "nothing stored" from "no
// keyring here" and from "a keyring that stays locked".
class SecretStore {
public:
    enum class Status {
        Done,       // stored, read or removed
        NotFound,   // the keyring answered: nothing under that key
        Locked,     // the keyring answered but stays locked (its unlock prompt was cancelled)
        Unreachable // no keyring answered (none installed, none running, no session bus)
    };
    struct Result {
        Status status = Status::Unreachable;
        QString secret; // what a read found
        QString why;    // one line, when locked or unreachable
    };

    virtual ~SecretStore() = default;
    virtual Result read(const QString& key) = 0;
    // `label` is what the desktop's keyring manager shows for the entry.
    virtual Result write(const QString& key, const QString& secret, const QString& label) = 0;
    // Removing what is not there is done, not a failure.
    virtual Result remove(const QString& key) = 0;
};
