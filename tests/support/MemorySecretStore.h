#pragma once

#include "platform/SecretStore.h"

#include <map>

// A keyring in memory; `reachable` false plays a machine without one, `locked` a keyring
// whose owner cancels every unlock prompt.
class MemorySecretStore final : public SecretStore {
public:
    Result read(const QString& key) override {
        const auto found = secrets.find(key);
        return refused() || found == secrets.end() ? answer(Status::NotFound)
                                                   : Result{Status::Done, found->second, {}};
    }
    Result write(const QString& key, const QString& secret, const QString& label) override {
        if (!refused()) {
            secrets[key] = secret;
            labels[key] = label;
        }
        return answer(Status::Done);
    }
    Result remove(const QString& key) override {
        if (!refused()) {
            secrets.erase(key);
            labels.erase(key);
        }
        return answer(Status::Done);
    }

    std::map<QString, QString> secrets;
    std::map<QString, QString> labels;
    bool reachable = true;
    bool locked = false;

private:
    bool refused() const { return !reachable || locked; }
    Result answer(Status status) const {
        if (!reachable) {
            return {Status::Unreachable, {}, "no keyring"};
        }
        return locked ? Result{Status::Locked, {}, "the unlock prompt was cancelled"}
                      : Result{status, {}, {}};
    }
};
