#include "cli/Commands.h"

#include "cli/CliError.h"
#include "cli/ParseMistakes.h"
#include "platform/Version.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>

void Commands::addVersionInfo(CLI::App& app) {
    app.set_version_flag("--version", std::string("veltrix ") + Version::Number);
}

void Commands::addDataDirOption(CLI::App& command, std::string& dataDir) {
    command.add_option("--data-dir", dataDir,
                       "Folder of the month files (default: beside the program when it is "
                       "writable, else $XDG_DATA_HOME/veltrix)");
}

bool drawsPictures(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--chart" || argument.starts_with("--chart=") || argument == "demo") {
            return true;
        }
    }
    return false;
}

int runCommandLine(int argc, char** argv) {
    CLI::App app{"Veltrix: what your metered broadband month costs"};
    app.name("veltrix");
    app.require_subcommand(1);
    Commands::addVersionInfo(app);
    // Subcommands, in the order `veltrix --help` lists them:
    Commands::addCheckCommand(app);
    Commands::addReportCommand(app);
    Commands::addDemoCommand(app);
    Commands::addPlansCommand(app);
    Commands::addCacheCommand(app);
    Commands::addHistoryCommand(app);
    Commands::addStatusCommand(app);

    int status = 0;
    try {
        app.parse(argc, argv);
    } catch (const CompletedWithStatus& completed) {
        status = completed.exitCode();
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            return app.exit(error); // --help, --version
        }
        const ParseMistakes::Mistake mistake = ParseMistakes::describe(app, error);
        std::cerr << "veltrix: " << mistake.line << '\n';
        return mistake.exitCode;
    } catch (const CliError& error) {
        std::cerr << "veltrix: " << error.what() << '\n';
        return error.exitCode();
    } catch (const std::exception& error) {
        // a Failure's one readable line; anything the core did not foresee (out of memory, a
        // bug) is one line too, never a crash
        std::cerr << "veltrix: " << error.what() << '\n';
        return 1;
    }
    // What was printed is the result: a full disk or a closed standard output is a failure.
    errno = 0;
    if (!std::cout.flush()) {
        const int cause = errno;
        std::cerr << "veltrix: cannot write to standard output"
                  << (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string())
                  << '\n';
        return 1;
    }
    return status;
}
