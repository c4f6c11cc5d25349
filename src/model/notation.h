#pragma once

#include <string>

// Number notation shared by every tab: the texts of the number boxes, the echo labels and the
// result lists. Toolkit-free; all texts are UTF-8 (the micro sign is U+00B5).
namespace oq {

// General rendering: 15 significant digits, a leading blank or "-", no "0" before the point.
std::string NumberText(double v);
// The same for a single-precision value (7 significant digits), as used for decimals codes.
std::string NumberTextSingle(float v);
// Reads the number at the start of a text; 0 when there is none. Never throws.
double TextValue(const std::string& s);

// Fixed decimals or significant digits by the box's decimals code; keeps its leading blanks.
std::string FormatFixed(double x, float intFrac);
// FormatFixed without surrounding blanks: the text of a number box.
std::string FormatFixedTrim(double x, float intFrac);
// Scaled to an SI prefix and followed by the unit, e.g. FormatEng(1500, ";V;", 1.2f) = "1.50 kV".
std::string FormatEng(double x, const std::string& unit, float intFrac);

} // namespace oq
