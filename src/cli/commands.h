#pragma once

#include "model/computations.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The commands of ohmquill-cli: one per row of the computation table, under the row's code, and
// the look-up of standard series members beside them. Nothing here knows one calculator from
// another; a row added to the table is a command.
namespace oq::cli {

// How a number is written: the decimals code of its box and its unit ("ohm", "dB", "").
struct ResultLook {
    float decimals = 1.2f;
    std::string unit;
    bool box = false; // the value has a box on its tab (a number past them is written plainly)
    // Written in full, with no unit: a result of a calculator whose results do not follow its
    // boxes one for one, so that no box's decimals or unit is lent to another quantity.
    bool full = false;
};

struct Command {
    ComputationInfo info;
    std::string description; // the tab's caption, without its mnemonic
    // The texts each choice takes, when they form a short list (ChoiceValues for a tab).
    std::map<std::string, std::vector<std::string>> values;
    // For a command that is no tab: how all its numbers are written.
    std::optional<ResultLook> look;
};

// Every command, in the order of the tab strip, the series look-up last.
const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view code);

// How the result `name` of the command is written: with its box's decimals and unit.
ResultLook LookOf(const Command& command, const std::string& name);

// The nearest, next lower and next higher member of `value` in texts["series"] (E-3 ... E-192,
// as "E-96", "E96" or "e96"), or in every series without one ("e96_nearest" ...).
Outcome ComputeSeriesMembers(const ComputationInput& in);

} // namespace oq::cli
