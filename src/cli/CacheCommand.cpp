// `veltrix cache list`: the stored months, as the main window's list shows them.
#include "cli/CliError.h"
#include "cli/Commands.h"
#include "retrieval/CacheFileList.h"
#include "retrieval/CacheFolder.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace {

struct CacheListOptions {
    std::string dataDir;
    bool json = false;
};

nlohmann::ordered_json toJson(const CacheFileList& list) {
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const CacheEntry& entry : list.entries) {
        entries.push_back({{"entry", entry.entry.toStdString()},
                           {"month", CacheEntry::monthOf(entry.entry).toStdString()},
                           {"user", CacheEntry::userOf(entry.entry).toStdString()},
                           {"file", entry.file.toStdString()},
                           {"bytes", entry.bytes}});
    }
    return entries;
}

void runCacheList(const CacheListOptions& options) {
    const QString explicitFolder = QString::fromStdString(options.dataDir);
    const QString folder = CacheFolder().resolve(explicitFolder);
    CacheFileList list = LoadCacheFileList(folder);
    // Nothing stored yet: the default folder is only made by the first stored month.
    const bool notYetMade =
        list.status == CacheFileList::Status::Missing && explicitFolder.isEmpty();
    if (list.status != CacheFileList::Status::Listed && !notYetMade) {
        throw CliError("cannot list the cache folder " + list.error.toStdString());
    }
    for (const QString& name : list.skipped) {
        std::cerr << "veltrix: note: left out " << name.toStdString()
                  << ": its name is not UTF-8 or holds control characters; rename it to use it\n";
    }
    if (options.json) {
        std::cout << toJson(list).dump(2) << '\n';
        return;
    }
    for (const CacheEntry& entry : list.entries) {
        std::cout << entry.entry.toStdString() << '\n';
    }
}

} // namespace

void Commands::addCacheCommand(CLI::App& app) {
    CLI::App* cache = app.add_subcommand("cache", "The months stored on this computer");
    cache->require_subcommand(1);
    CLI::App* list = cache->add_subcommand(
        "list", "List the stored months, one entry a line, the one selected by default last");
    auto options = std::make_shared<CacheListOptions>();
    Commands::addDataDirOption(*list, options->dataDir);
    list->add_flag("--json", options->json,
                   "Print a JSON array of {entry, month, user, file, bytes}");
    list->callback([options] { runCacheList(*options); });
}
