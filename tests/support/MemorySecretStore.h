#pragma once

#include "platform/SecretStore.h"

#include <map>

// A keyring in memory; `reachable` false plays a machine without one.
class MemorySecretStore final : public SecretStore {
public:
    Result read(const QString& key) override {
        const auto found = secrets.find(key);
        if (!reachable || found == secrets.end()) {
            return answer(Status::NotFound);
        }
        return {Status::Done, found->second, {}};
    }
    Result write(const QString& key, const QString& secret) override {
        if (reachable) {
            secrets[key] = secret;
        }
        return answer(Status::Done);
    }
    Result remove(const QString& key) override {
        if (reachable) {
            secrets.erase(key);
        }
        return answer(Status::Done);
    }

    std::map<QString, QString> secrets;
    bool reachable = true;

private:
    Result answer(Status status) const {
        return reachable ? Result{status, {}, {}} : Result{Status::Unreachable, {}, "no keyring"};
    }
};
