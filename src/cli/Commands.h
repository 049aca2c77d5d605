#pragma once

#include <string>

namespace CLI {
class App;
}

// Entry point of the `veltrix` command line: parses the arguments, runs one subcommand and
// returns the process exit status. Failures print one line on stderr.
int runCommandLine(int argc, char** argv);

// Whether the arguments ask for a picture (a chart image; the demo always draws one), which
// needs fonts and painting. Read before the arguments are parsed, as the application must
// exist first; a wrong yes costs only time.
bool drawsPictures(int argc, char** argv);

// Each subcommand lives in its own file and registers itself here; its callback runs the
// command and reports failures by throwing CliError.
namespace Commands {
void addVersionInfo(CLI::App& app);
void addCacheCommand(CLI::App& app);
void addReportCommand(CLI::App& app);
void addCheckCommand(CLI::App& app);
void addDemoCommand(CLI::App& app);
void addPlansCommand(CLI::App& app);
void addHistoryCommand(CLI::App& app);
void addStatusCommand(CLI::App& app);

// --data-dir, the folder of the month files, as every command that reads or keeps them names it.
void addDataDirOption(CLI::App& command, std::string& dataDir);
} // namespace Commands
