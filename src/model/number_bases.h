#pragma once

#include <cstdint>
#include <string>

// The number tab: one whole number shown in four bases, the binary digits in groups of four.
namespace oq {

// The boxes of the number tab, in the order they are written.
enum NumberBase : int { BaseDecimal = 0, BaseHex = 1, BaseOctal = 2, BaseBinary = 3 };
constexpr int NumberBaseCount = 4;
// The numbers shown: 0 to the largest signed 32-bit integer (hex 7FFFFFFF, 31 binary digits).
constexpr int32_t NumberBaseMax = 2147483647;

// Binary digits of x, most significant first, at least `bits` of them; `bits` returns the count.
std::string DecToBin(int32_t x, int16_t& bits);
// Binary text grouped by four digits from the right: "110101101" gives "1 1010 1101".
std::string FormatBin(std::string x);
// Decimal text of a binary text (blanks ignored). Throws CalcError above NumberBaseMax.
std::string BinToDec(const std::string& x);

// The number a box's text stands for. Throws CalcError when it is above NumberBaseMax, however
// many digits it has: nothing wraps around to 0 or below.
int32_t NumberBaseValue(NumberBase base, const std::string& text);
// The text a box shows for a number: no prefix, hex in upper case, binary grouped.
std::string NumberBaseText(NumberBase base, int32_t value);

// The character a typed key puts into a box: the digits of its base, hex letters in upper case;
// 0 for a key the box refuses.
char NumberBaseKey(NumberBase base, char key);
// A whole new text that reaches a box by paste or drop, vetted as typed keys are: blanks, tabs
// and line breaks are dropped (the binary box keeps its group blanks), hex letters become upper
// case and the caret follows. False, leaving both untouched, when any other character is refused.
bool NumberBaseFilter(NumberBase base, std::string& text, int& caret);

// Where the caret goes after a key changed a box.
struct EntryCaret {
    std::string oldText; // the box before the key
    int oldCaret = 0;    // the caret before the key (the start of a selection)
    std::string typed;   // the box after the key
    int caret = 0;       // the caret after the key
    std::string shown;   // what the box shows now: `typed`, regrouped in the binary box
    bool entryFirst = false;
};
// Normally behind the new characters; with "new entry first" in front of them, so that the next
// one goes in front again. A regrouped binary text moves the caret by the blanks that moved.
int CaretAfterEntry(const EntryCaret& entry);

// The "new entry first" choice of box `index` in the stored text (one "0" or "1" per box).
bool EntryFirst(const std::string& location, int index);
// The stored text with box `index` set; a short text is filled up with "0" first.
std::string WithEntryFirst(std::string location, int index, bool first);

} // namespace oq
