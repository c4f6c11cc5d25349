#pragma once

#include <optional>
#include <string_view>

// A number as an engineer writes it on a schematic or a parts list. Toolkit-free, UTF-8.
namespace oq {

// The whole text as one number, or nothing when any of it is not part of one:
//   plain and exponent forms          470, -0.5, .25, 1e-9, 2.2E+3
//   an SI prefix after the number     100n, 4.7k, 2M, 3MEG, 10µ (also 10u)
//   the prefix as the decimal point   4k7 = 4700, 2M2, 2u2, R47 = 0.47
//   R as the decimal point or alone   4R7 = 4.7, 470R = 470
// The prefixes are p n u µ m k M G T and MEG, case-sensitive: m is milli, M and MEG are mega.
// A prefix goes with no exponent, blanks are not skipped, and a number beyond the double range
// reads as the largest double of its sign, one below it as zero.
std::optional<double> ReadSiValue(std::string_view text);

// A resistance as the resistance boxes take it, keys typed one by one: "4700", "4.7k", "4k7",
// "2M2", "4R7", "R47", "470R", with one of the letters p n u (or µ) m k K M G T R, a comma for
// the point, blanks around it. No sign and no exponent: nothing for any other text.
std::optional<double> ReadTypedResistance(std::string_view text);
// Whether a text can still grow into one while it is typed ("", ".", "k", "4k").
bool IsTypedResistancePrefix(std::string_view text);

} // namespace oq
