#pragma once

#include "model/catalogue.h"

#include <array>
#include <string>

// The fixed texts and tables of the decimals dialog and the properties window. Toolkit-free.
namespace oq {

// The decimals dialog offers these codes, one per option, in option order.
constexpr int DecimalsOptionCount = 13;
extern const std::array<float, DecimalsOptionCount> DecimalsOptionCodes;

// The code of an option; 0 ("Max available") for an index outside the table.
float DecimalsCodeOfOption(int option);
// The option offering the code, or -1 when no option does. Codes are single precision and
// compared as such, so 1.2f read back from the settings finds "2 decimals".
int DecimalsOptionOfCode(float code);

// The name the decimals dialog gives a box; empty when the box has none.
std::string DecimalsBoxName(int tab, int box, Catalogue catalogue = Calculators);

// A value as both windows show it: full precision, no blanks, and a "0" before a bare leading
// point (0.5 gives "0.5"); a negative value keeps its "-" first, so -0.5 stays "-.5".
std::string ValueText(double v);

} // namespace oq
