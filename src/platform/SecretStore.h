#pragma once

#include <QString>
#include <map>
#include <optional>

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

// A keyring in memory, for tests; `reachable` false plays a machine without one, `locked` a
// keyring whose owner cancels every unlock prompt.
class MemorySecretStore final : public SecretStore {
public:
    Result read(const QString& key) override {
        if (const auto refused = refusal()) {
            return *refused;
        }
        const auto found = secrets.find(key);
        return found == secrets.end() ? Result{Status::NotFound, {}, {}}
                                      : Result{Status::Done, found->second, {}};
    }
    Result write(const QString& key, const QString& secret, const QString& label) override {
        if (const auto refused = refusal()) {
            return *refused;
        }
        secrets[key] = secret;
        labels[key] = label;
        return {Status::Done, {}, {}};
    }
    Result remove(const QString& key) override {
        if (const auto refused = refusal()) {
            return *refused;
        }
        secrets.erase(key);
        labels.erase(key);
        return {Status::Done, {}, {}};
    }

    std::map<QString, QString> secrets;
    std::map<QString, QString> labels;
    bool reachable = true;
    bool locked = false;

private:
    std::optional<Result> refusal() const {
        if (!reachable) {
            return Result{Status::Unreachable, {}, "no keyring"};
        }
        if (locked) {
            return Result{Status::Locked, {}, "the unlock prompt was cancelled"};
        }
        return std::nullopt;
    }
};
