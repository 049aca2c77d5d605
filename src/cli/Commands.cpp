#include "cli/Commands.h"

#include "cli/CliError.h"

#include <CLI/CLI.hpp>
#include <iostream>

int runCommandLine(int argc, char** argv) {
    CLI::App app{"Veltrix: what your metered broadband month costs"};
    app.name("veltrix");
    app.set_version_flag("--version", "veltrix 3.1.2");
    app.require_subcommand(1);

    int status = 0;
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    } catch (const CliError& error) {
        std::cerr << "veltrix: " << error.what() << '\n';
        status = error.exitCode();
    } catch (const std::exception& error) {
        std::cerr << "veltrix: " << error.what() << '\n';
        status = 1;
    }
    return status;
}
