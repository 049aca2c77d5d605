#pragma once

#include <nlohmann/json.hpp>
#include <string>

// What the command line writes for scripts: UTF-8 files, written whole or not at all, and JSON
// that a name read from a month file (not always UTF-8) cannot break.
namespace Utf8Output {

// Throws CliError "cannot write PATH: reason".
void writeFile(const std::string& path, const std::string& text);
// Indented by two, a line end after it; bytes that are not UTF-8 are replaced.
std::string json(const nlohmann::ordered_json& json);
// To standard output for "-", else into the file.
void writeJson(const std::string& path, const nlohmann::ordered_json& json);

} // namespace Utf8Output
