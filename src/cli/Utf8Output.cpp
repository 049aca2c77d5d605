#include "cli/Utf8Output.h"

#include "cli/CliError.h"
#include "platform/AtomicFile.h"

#include <QString>
#include <iostream>

void Utf8Output::writeFile(const std::string& path, const std::string& text) {
    try {
        AtomicFile::write(QString::fromStdString(path), QByteArray::fromStdString(text));
    } catch (const AtomicFile::WriteError& error) {
        throw CliError("cannot write " + path + ": " + error.reason().toStdString());
    }
}

std::string Utf8Output::json(const nlohmann::ordered_json& json) {
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

void Utf8Output::writeJson(const std::string& path, const nlohmann::ordered_json& json) {
    if (path == "-") {
        std::cout << Utf8Output::json(json) << std::flush;
    } else {
        writeFile(path, Utf8Output::json(json));
    }
}
