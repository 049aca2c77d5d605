#pragma once

#include "platform/SecretStore.h"

#include <map>

// A keyring in memory; `reachable` false plays a machine without one.
class MemorySecretStore final : public SecretStore {
public:
    Result read(const QString& key) override {
        if (!reachable) {
            return {Status::Unreachable, {}, "no keyring"};
        }
        const auto found = secrets.find(key);
        return found == secrets.end() ? Result{Status::NotFound, {}, {}}
                                      : Result{Status::Done, found->second, {}};
    }
    Result write(const QString& key, const QString& secret) override {
        if (!reachable) {
            return {Status::Unreachable, {}, "no keyring"};
        }
        secrets[key] = secret;
        return {Status::Done, {}, {}};
    }
    Result remove(const QString& key) override {
        if (!reachable) {
            return {Status::Unreachable, {}, "no keyring"};
        }
        secrets.erase(key);
        return {Status::Done, {}, {}};
    }

    std::map<QString, QString> secrets;
    bool reachable = true;
};
