#pragma once

#include "cli/Commands.h"

#include <initializer_list>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// Runs the `veltrix` command line in this process and captures what it prints.
struct CliRun {
    int exitCode = 0;
    std::string out;
    std::string err;
};

inline CliRun runVeltrix(std::vector<std::string> args) {
    args.insert(args.begin(), "veltrix");
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    std::ostringstream out, err;
    std::streambuf* savedOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* savedErr = std::cerr.rdbuf(err.rdbuf());
    const int exitCode = runCommandLine(static_cast<int>(argv.size()), argv.data());
    std::cout.rdbuf(savedOut);
    std::cerr.rdbuf(savedErr);
    return {exitCode, out.str(), err.str()};
}
