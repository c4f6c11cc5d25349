#pragma once

#include "cli/commands.h"

#include <string>
#include <vector>

// What ohmquill-cli prints for a computation: text lines for a person, one JSON object for a
// script.
namespace oq::cli {

// A number as its box shows it, and in engineering form with its unit:
// "i = 0.03 (25.53 mA)"; a number with no box on its tab: "minimum_attenuation = 5.72".
std::string ResultLine(const Command& command, const std::string& name, double value);

// One line per result in the tab's order, then a text result ("r1 = Open", "hex = FF"), the
// result list line by line and the outcome's message.
std::vector<std::string> TextLines(const Command& command, const Outcome& outcome);

// {"calculator": ..., "inputs": {...}, "results": {...}} with numbers in full precision and
// base units, and "error" when the outcome is no result. Indented by two blanks.
std::string JsonText(const Command& command, const ComputationInput& input, const Outcome& outcome);

} // namespace oq::cli
