#include "model/number_bases.h"

#include "model/checked.h"

#include <algorithm>

namespace oq {

namespace {

constexpr int Radix[NumberBaseCount] = {10, 16, 8, 2};

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int blanksBefore(const std::string& text, int count) {
    const auto end = text.begin() + std::clamp(count, 0, static_cast<int>(text.size()));
    return static_cast<int>(std::count(text.begin(), end, ' '));
}

} // namespace

std::string DecToBin(int32_t x, int16_t& bits) {
    const auto u = static_cast<uint32_t>(x);
    while (bits < 32 && (uint64_t{1} << bits) - 1 < u)
        ++bits;
    std::string digits;
    for (int i = 0; i < bits; ++i)
        digits.insert(digits.begin(), i < 32 && (u >> i & 1u) ? '1' : '0');
    return digits;
}

std::string FormatBin(std::string x) {
    if (x.empty())
        return x;
    x.erase(std::remove(x.begin(), x.end(), ' '), x.end());
    std::string result;
    while (x.size() >= 4) {
        result = x.substr(x.size() - 4) + " " + result;
        x.resize(x.size() - 4);
    }
    result = x + " " + result;
    const auto first = result.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return result.substr(first, result.find_last_not_of(' ') - first + 1);
}

std::string BinToDec(const std::string& x) {
    return std::to_string(NumberBaseValue(BaseBinary, x));
}

int32_t NumberBaseValue(NumberBase base, const std::string& text) {
    const int radix = Radix[base];
    // Leading zeros may be many; the sum is checked after every digit, so it never wraps.
    int64_t sum = 0;
    for (const char c : text) {
        if (c == ' ')
            continue;
        const int digit = digitValue(c);
        if (digit < 0 || digit >= radix)
            throw CalcError("not a digit of the box's base");
        sum = sum * radix + digit;
        if (sum > NumberBaseMax)
            throw CalcError("overflow");
    }
    return static_cast<int32_t>(sum);
}

std::string NumberBaseText(NumberBase base, int32_t value) {
    if (base == BaseBinary) {
        int16_t bits = 1;
        return FormatBin(DecToBin(value, bits));
    }
    const auto radix = static_cast<uint32_t>(Radix[base]);
    auto u = static_cast<uint32_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[u % radix]);
        u /= radix;
    } while (u != 0);
    return digits;
}

char NumberBaseKey(NumberBase base, char key) {
    if (base == BaseHex && key >= 'a' && key <= 'f')
        return static_cast<char>(key - 'a' + 'A');
    const int digit = digitValue(key);
    if (digit < 0 || digit >= Radix[base])
        return 0;
    return key;
}

bool NumberBaseFilter(NumberBase base, std::string& text, int& caret) {
    std::string kept;
    int keptCaret = caret;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c) && !(base == BaseBinary && c == ' ')) {
            if (static_cast<int>(i) < caret)
                --keptCaret;
            continue;
        }
        const char k = c == ' ' ? c : NumberBaseKey(base, c);
        if (k == 0)
            return false;
        kept += k;
    }
    text = std::move(kept);
    caret = keptCaret;
    return true;
}

int CaretAfterEntry(const EntryCaret& e) {
    const int c = e.caret;
    // Blanks the regrouping put in front of the caret, less those in front of it before.
    const int d = blanksBefore(e.shown, c) - blanksBefore(e.oldText, e.oldCaret);
    const int grown = static_cast<int>(e.typed.size()) - static_cast<int>(e.oldText.size());
    int to = c;
    if (grown > 0) {
        if (!e.entryFirst)
            to = c + d;
        else if (c > 0)
            to = c - grown + d; // in front of what was just entered
    }
    return std::clamp(to, 0, static_cast<int>(e.shown.size()));
}

bool EntryFirst(const std::string& location, int index) {
    if (index < 0 || index >= static_cast<int>(location.size()))
        return false;
    const char c = location[static_cast<std::size_t>(index)];
    return c >= '1' && c <= '9';
}

std::string WithEntryFirst(std::string location, int index, bool first) {
    if (index < 0)
        return location;
    if (static_cast<int>(location.size()) <= index)
        location.resize(static_cast<std::size_t>(std::max(index + 1, NumberBaseCount)), '0');
    location[static_cast<std::size_t>(index)] = first ? '1' : '0';
    return location;
}

} // namespace oq
