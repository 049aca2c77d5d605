#include "platform/session/KeychainSecretStore.h"

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
    default:
        return {Status::Unreachable, {}, job.errorString()};
    }
}

// Starts the job and waits for it. A job that outlives the wait deletes itself when the
// keyring finally answers; its answer is dropped then.
template <typename Job, typename Read> Result run(Job* job, int timeoutMs, Read read) {
    auto result = std::make_shared<Result>(
        Result{Status::Unreachable, {}, "the keyring did not answer in time"});
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

} // namespace

Result KeychainSecretStore::read(const QString& key) {
    return run(newJob<QKeychain::ReadPasswordJob>(key), m_timeoutMs,
               [](const QKeychain::ReadPasswordJob& job, Result& result) {
                   if (result.status == Status::Done) {
                       result.secret = job.textData();
                   }
               });
}

Result KeychainSecretStore::write(const QString& key, const QString& secret) {
    auto* job = newJob<QKeychain::WritePasswordJob>(key);
    job->setTextData(secret);
    return run(job, m_timeoutMs, [](const QKeychain::WritePasswordJob&, Result&) {});
}

Result KeychainSecretStore::remove(const QString& key) {
    Result result = run(newJob<QKeychain::DeletePasswordJob>(key), m_timeoutMs,
                        [](const QKeychain::DeletePasswordJob&, Result&) {});
    if (result.status == Status::NotFound) {
        result.status = Status::Done;
    }
    return result;
}
