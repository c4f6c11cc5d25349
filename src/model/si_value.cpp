#include "model/si_value.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace oq {

namespace {

struct Prefix {
    std::string_view text;
    int exponent;
};

// Longest first, so that MEG is not read as M followed by "EG". R stands for the decimal point
// of a plain number (4R7 ohm) and scales nothing.
constexpr Prefix Prefixes[] = {
    {"MEG", 6},       {"\xC2\xB5", -6}, // micro sign
    {"\xCE\xBC", -6},                   // Greek small mu, which some keyboards give
    {"p", -12},       {"n", -9},        {"u", -6}, {"m", -3}, {"k", 3},
    {"M", 6},         {"G", 9},         {"T", 12}, {"R", 0},
};

// The digits at the front of `rest`, taken off it.
std::string_view TakeDigits(std::string_view& rest) {
    size_t n = 0;
    while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9')
        ++n;
    const std::string_view digits = rest.substr(0, n);
    rest.remove_prefix(n);
    return digits;
}

const Prefix* TakePrefix(std::string_view& rest) {
    for (const Prefix& p : Prefixes)
        if (rest.substr(0, p.text.size()) == p.text) {
            rest.remove_prefix(p.text.size());
            return &p;
        }
    return nullptr;
}

// An exponent "e-9": its value, held at a bound far past the double range so that a long one
// cannot overflow; nothing when `rest` does not start with a whole exponent.
std::optional<long> TakeExponent(std::string_view& rest) {
    if (rest.empty() || (rest[0] != 'e' && rest[0] != 'E'))
        return std::nullopt;
    std::string_view r = rest.substr(1);
    bool negative = false;
    if (!r.empty() && (r[0] == '+' || r[0] == '-')) {
        negative = r[0] == '-';
        r.remove_prefix(1);
    }
    const std::string_view digits = TakeDigits(r);
    if (digits.empty())
        return std::nullopt;
    long e = 0;
    for (const char c : digits)
        e = std::min(e * 10 + (c - '0'), 100000L);
    rest = r;
    return negative ? -e : e;
}

// The decimal exponent of the first digit that is not 0; 0 when every digit is.
long LeadExponent(std::string_view whole, std::string_view fraction) {
    const size_t w = whole.find_first_not_of('0');
    if (w != std::string_view::npos)
        return static_cast<long>(whole.size() - w) - 1;
    const size_t f = fraction.find_first_not_of('0');
    return f == std::string_view::npos ? 0 : -static_cast<long>(f) - 1;
}

} // namespace

std::optional<double> ReadSiValue(std::string_view text) {
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    const std::string_view whole = TakeDigits(rest);
    std::string_view fraction;
    long exponent = 0;
    if (!rest.empty() && rest[0] == '.') {
        rest.remove_prefix(1);
        fraction = TakeDigits(rest);
        if (const Prefix* p = TakePrefix(rest))
            exponent = p->exponent;
        else if (const std::optional<long> e = TakeExponent(rest))
            exponent = *e;
    } else if (const Prefix* p = TakePrefix(rest)) {
        // After the number, or in place of its decimal point.
        exponent = p->exponent;
        fraction = TakeDigits(rest);
    } else if (const std::optional<long> e = TakeExponent(rest)) {
        exponent = *e;
    }
    if (!rest.empty() || (whole.empty() && fraction.empty()))
        return std::nullopt;

    // Written out in the one form from_chars reads, whatever the locale, and rounded once.
    std::string number = negative ? "-" : "";
    number.append(whole.empty() ? "0" : whole);
    number += '.';
    number.append(fraction.empty() ? "0" : fraction);
    number += 'e';
    number += std::to_string(exponent);
    double v = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (ec == std::errc::result_out_of_range) {
        const bool over = (whole.find_first_not_of('0') != std::string_view::npos ||
                           fraction.find_first_not_of('0') != std::string_view::npos) &&
                          LeadExponent(whole, fraction) + exponent > 0;
        v = over ? DBL_MAX : 0.0;
        return negative ? -v : v;
    }
    if (ec != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return v;
}

namespace {

// The power of ten of a prefix letter; nothing for another character. "µ" arrives as its two
// UTF-8 bytes and is read as "u" before this.
std::optional<int> prefixPower(char c) {
    switch (c) {
    case 'p':
        return -12;
    case 'n':
        return -9;
    case 'u':
        return -6;
    case 'm':
        return -3;
    case 'R':
    case 'r':
        return 0;
    case 'k':
    case 'K':
        return 3;
    case 'M':
        return 6;
    case 'G':
        return 9;
    case 'T':
        return 12;
    default:
        return std::nullopt;
    }
}

struct Parts {
    std::string digits;       // the mantissa with its point, "4.7"
    std::optional<int> power; // the prefix letter's
    bool complete = false;    // at least one digit
};

// Splits "4k7" into "4.7" and 3. Nothing where the text breaks the pattern: digits, at most one
// point, at most one letter, no point on both sides of the letter.
std::optional<Parts> split(std::string_view text) {
    std::string s;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\xC2\xB5") { // µ
            s += 'u';
            ++i;
        } else if (text[i] == ',') {
            s += '.';
        } else {
            s += text[i];
        }
    }
    while (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    while (!s.empty() && s.back() == ' ')
        s.pop_back();

    Parts p;
    bool point = false;
    bool letterIsPoint = false; // "4k7" rather than "4.7k"
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            if (p.power && !letterIsPoint)
                return std::nullopt; // "4.7k7"
            p.digits += c;
            p.complete = true;
        } else if (c == '.') {
            if (point || p.power)
                return std::nullopt;
            point = true;
            p.digits += c;
        } else if (const auto power = prefixPower(c); power && !p.power) {
            p.power = power;
            if (!point) {
                point = letterIsPoint = true;
                p.digits += '.';
            }
        } else {
            return std::nullopt;
        }
    }
    return p;
}

} // namespace

std::optional<double> ReadTypedResistance(std::string_view text) {
    const std::optional<Parts> p = split(text);
    if (!p || !p->complete)
        return std::nullopt;
    // Read as one decimal number with its exponent, so that 4k7 is the same double as 4700;
    // from_chars reads the point whatever the locale and wants a digit before it.
    std::string number = p->digits.front() == '.' ? "0" : "";
    number += p->digits;
    number += 'e';
    number += std::to_string(p->power.value_or(0));
    double v = 0;
    const auto r = std::from_chars(number.data(), number.data() + number.size(), v);
    if (r.ec != std::errc() || r.ptr != number.data() + number.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool IsTypedResistancePrefix(std::string_view text) {
    return split(text).has_value();
}

} // namespace oq
