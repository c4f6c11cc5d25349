#include "model/series_lookup.h"

#include "model/checked.h"

#include <charconv>
#include <cmath>
#include <string>

namespace oq {

SeriesNeighbours LookUpSeries(Series series, double value) {
    SeriesNeighbours n;
    n.series = series;
    n.nearest = NearestMember(series, value); // throws for 0, a negative value, nan and inf
    n.lower = LowerMember(series, value);
    n.higher = HigherMember(series, value);
    n.deviation = Checked((n.nearest - value) / value * 100.0);
    n.member = IsMember(series, value);
    return n;
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
    // from_chars reads the point whatever the locale; it wants a digit before it.
    const std::string digits = p->digits.front() == '.' ? "0" + p->digits : p->digits;
    double mantissa = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), mantissa);
    const int power = p->power.value_or(0);
    const double v =
        power >= 0 ? mantissa * std::pow(10.0, power) : mantissa / std::pow(10.0, -power);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

bool IsTypedResistancePrefix(std::string_view text) {
    return split(text).has_value();
}

} // namespace oq
