#include "platform/session/KeychainSecretStore.h"

#include "platform/session/SecretServiceItems.h"

#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <qt6keychain/keychain.h>

namespace {

using Result = SecretStore::Result;
using Status = SecretStore::Status;

Result resultOf(const QKeychain::Job& job) {
    switch (job.error()) {
    case QKeychain::NoError:
        return {Status::Done, {}, {}};
    case QKeychain::EntryNotFound:
        return {Status::NotFound, {}, {}};
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        // a keyring is there, but it stayed locked: its owner cancelled the unlock prompt
        return {Status::Locked, {}, job.errorString()};
    default:
        return {Status::Unreachable, {}, job.errorString()};
    }
}

// Starts the job and waits for it. A job that outlives the wait deletes itself when the
// keyring finally answers; its answer is dropped then.
template <typename Job, typename Read> Result run(Job* job, int timeoutMs, Read read) {
    // a keyring that keeps its unlock prompt open that long is there, but stays locked
    auto result =
        std::make_shared<Result>(Result{Status::Locked, {}, "the keyring did not answer in time"});
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop,
                     [result, read, &loop](QKeychain::Job* done) {
                         *result = resultOf(*done);
                         read(*static_cast<Job*>(done), *result);
                         loop.quit();
                     });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->setAutoDelete(true);
    job->start();
    loop.exec();
    QObject::disconnect(job, nullptr, &loop, nullptr);
    return *result;
}

template <typename Job> Job* newJob(const QString& key) {
    auto* job = new Job(KeychainSecretStore::Service);
    job->setKey(key);
    job->setInsecureFallback(false); // a keyring or nothing: the fallback is the caller's
    return job;
}

// The keyring library answers "not found" for an entry in a locked collection and "done"
// for removing one it could not reach; the Secret Service itself tells the difference.
bool entryLocked(const QString& key) {
    return !SecretServiceItems::find(KeychainSecretStore::Service, key).locked.isEmpty();
}

const Result LockedKeyring{Status::Locked, {}, "the keyring is locked"};

} // namespace

Result KeychainSecretStore::read(const QString& key) {
    const Result result = run(newJob<QKeychain::ReadPasswordJob>(key), m_timeoutMs,
                              [](const QKeychain::ReadPasswordJob& job, Result& result) {
                                  if (result.status == Status::Done) {
                                      result.secret = job.textData();
                                  }
                              });
    // a locked keyring takes nothing the caller could add either: say it is locked
    if (result.status == Status::NotFound &&
        (entryLocked(key) || SecretServiceItems::defaultCollectionLocked())) {
        return LockedKeyring;
    }
    return result;
}

Result KeychainSecretStore::write(const QString& key, const QString& secret, const QString& label) {
    auto* job = newJob<QKeychain::WritePasswordJob>(key);
    job->setTextData(secret);
    const Result result = run(job, m_timeoutMs, [](const QKeychain::WritePasswordJob&, Result&) {});
    if (result.status == Status::Done) {
        SecretServiceItems::setLabel(SecretServiceItems::find(Service, key).unlocked, label);
    }
    return result;
}

Result KeychainSecretStore::remove(const QString& key) {
    Result result = run(newJob<QKeychain::DeletePasswordJob>(key), m_timeoutMs,
                        [](const QKeychain::DeletePasswordJob&, Result&) {});
    if (result.status == Status::NotFound) {
        result.status = Status::Done;
    }
    return result.status == Status::Done && entryLocked(key) ? LockedKeyring : result;
}
