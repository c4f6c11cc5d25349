#pragma once

#include "cli/commands.h"

#include <ostream>
#include <string>

// ohmquill-cli as a function: the arguments in, the printed text and the exit status out.
namespace oq::cli {

enum ExitStatus : int {
    ExitDone = 0,
    ExitUsage = 2,      // unknown calculator or option, unreadable value, wrong set of names
    ExitCalculation = 3 // the calculator's own refusal, told with the tab's message
};

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// The command line of a command's example: "ohmquill-cli rp --u 12 --r 470".
std::string ExampleLine(const Command& command);

// A bash completion script for every command, its names and the texts of its choices.
std::string BashCompletion();

} // namespace oq::cli
