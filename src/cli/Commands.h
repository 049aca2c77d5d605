#pragma once

namespace CLI {
class App;
}

// Entry point of the `veltrix` command line: parses the arguments, runs one subcommand and
// returns the process exit status. Failures print one line on stderr.
int runCommandLine(int argc, char** argv);
