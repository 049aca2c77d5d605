#pragma once

// The desktop program: `veltrix` without a subcommand (optionally `--data-dir DIR`) opens the
// main window on the real platform, with the status icon beside it; `veltrix --tray` starts
// with the status icon alone.
namespace DesktopProgram {

// True when the arguments name no subcommand, only options the desktop program takes.
bool wanted(int argc, char** argv);
// Runs the main window until it closes. Without a display: one line on stderr and exit 2.
int run(int argc, char** argv);

} // namespace DesktopProgram
