#include "model/notation.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace oq {

namespace {

// A finite magnitude rounded to a number of significant digits: digits[0..count) without
// trailing zeros, the first digit standing at 10^exp. Zero has count 0.
struct Decimal {
    std::array<char, 24> digits{};
    int count = 0;
    int exp = 0;
};

// Rounds |v| to `sig` significant digits (1..17), the same rounding any later re-reading sees.
Decimal toDecimal(double v, int sig) {
    Decimal d;
    v = std::fabs(v);
    if (v == 0.0)
        return d;
    char buf[48];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, sig - 1);
    const char* p = buf;
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits[static_cast<std::size_t>(d.count++)] = *p;
    }
    int e = 0;
    std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, res.ptr, e);
    d.exp = e;
    while (d.count > 0 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0')
        --d.count;
    return d;
}

// Digits, point and zeros without sign or exponent; nothing before the point below 1.
void appendPositional(std::string& out, const Decimal& d) {
    if (d.count == 0) {
        out += '0';
        return;
    }
    const char* digits = d.digits.data();
    if (d.exp < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-d.exp - 1), '0');
        out.append(digits, static_cast<std::size_t>(d.count));
        return;
    }
    const int intDigits = d.exp + 1;
    if (d.count <= intDigits) {
        out.append(digits, static_cast<std::size_t>(d.count));
        out.append(static_cast<std::size_t>(intDigits - d.count), '0');
    } else {
        out.append(digits, static_cast<std::size_t>(intDigits));
        out += '.';
        out.append(digits + intDigits, static_cast<std::size_t>(d.count - intDigits));
    }
}

void appendExponential(std::string& out, const Decimal& d) {
    out += d.digits[0];
    if (d.count > 1) {
        out += '.';
        out.append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
    }
    out += 'E';
    out += d.exp < 0 ? '-' : '+';
    const int e = std::abs(d.exp);
    if (e < 10)
        out += '0';
    char buf[8];
    const auto res = std::to_chars(buf, buf + sizeof buf, e);
    out.append(buf, res.ptr);
}

// Infinity never reaches the texts: it shows as the largest finite magnitude, NaN as zero.
double finiteOrClamped(double v) {
    if (std::isnan(v))
        return 0.0;
    if (std::isinf(v))
        return v < 0 ? -DBL_MAX : DBL_MAX;
    return v;
}

std::string numberText(double v, int sig) {
    v = finiteOrClamped(v);
    const Decimal d = toDecimal(v, sig);
    std::string out(1, v < 0 ? '-' : ' ');
    if (d.count > 0 && d.exp >= 15)
        appendExponential(out, d);
    else
        appendPositional(out, d);
    return out;
}

// The 15-digit text of a magnitude always written out in full, as the boxes show it.
std::string positionalText(double v) {
    std::string out;
    appendPositional(out, toDecimal(v, 15));
    return out;
}

// |v| reduced to the value its 15-significant-digit text reads back as.
double reduced15(double v) {
    v = std::fabs(v);
    if (v == 0.0)
        return 0.0;
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    double r = 0.0;
    // Rounding DBL_MAX up to 15 digits leaves the double range: keep the largest finite value.
    // The smallest subnormals may report a range error too; they are zero at any code.
    if (std::from_chars(buf, res.ptr, r).ec != std::errc())
        return v > 1 ? DBL_MAX : 0.0;
    return r;
}

constexpr std::array<double, 11> PowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5,
                                                1e6, 1e7, 1e8, 1e9, 1e10};

// Digit count of a positive value through a single-precision sum, so that a value just below a
// power of ten can count as one digit more (it only widens the field by a blank).
int digitCount(double v) {
    return static_cast<int>(std::floor(static_cast<float>(std::log(v) / std::log(10.0) + 1.0)));
}

std::string trimmed(const std::string& s, bool lead, bool trail) {
    std::size_t b = 0;
    std::size_t e = s.size();
    if (lead)
        while (b < e && s[b] == ' ')
            ++b;
    if (trail)
        while (e > b && s[e - 1] == ' ')
            --e;
    return s.substr(b, e - b);
}

// The widest integer field a code may ask for; longer numbers still show all their digits.
constexpr int MaxFieldWidth = 100;

std::string freeForm(double x) {
    const Decimal d = toDecimal(x, 15);
    std::string out(1, x < 0 ? '-' : ' ');
    if (d.count > 0 && d.exp < 0)
        out += '0';
    appendPositional(out, d);
    return out;
}

// &H and &O texts are 32-bit integers: eight hex digits with the top bit set read negative.
// A longer number keeps its full positive value so that range checks of the callers see it.
double radixValue(const std::string& s, std::size_t i, int radix) {
    double big = 0.0;
    std::uint64_t small = 0;
    bool fits = true;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0 || digit >= radix)
            break;
        big = std::min(big * radix + digit, DBL_MAX);
        if (fits) {
            small = small * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
            fits = small <= 0xFFFFFFFFu;
        }
    }
    if (!fits)
        return big;
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(small)));
}

} // namespace

std::string NumberText(double v) {
    return numberText(v, 15);
}

std::string NumberTextSingle(float v) {
    return numberText(static_cast<double>(v), 7);
}

double TextValue(const std::string& text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixValue(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixValue(s, 2, 8);
        return 0.0;
    }

    // Collect the number in the form from_chars reads, whatever the locale.
    std::string num;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            num += '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t point = std::string::npos;
    std::size_t firstNonZero = std::string::npos;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (c != '0' && firstNonZero == std::string::npos)
                firstNonZero = i;
        } else if (c == '.' && point == std::string::npos) {
            point = i;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    num.append(s, mantissaStart, i - mantissaStart);
    // Decimal exponent of the leading digit, to tell overflow from underflow below.
    if (point == std::string::npos)
        point = i;
    const long leadExp = firstNonZero == std::string::npos ? 0
                         : firstNonZero < point ? static_cast<long>(point - firstNonZero) - 1
                                                : -static_cast<long>(firstNonZero - point);

    long exponent = 0;
    if (i + 1 < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool negExp = false;
        if (s[j] == '+' || s[j] == '-') {
            negExp = s[j] == '-';
            ++j;
        }
        bool expDigit = false;
        // Held at a bound far past the double range, so a long exponent cannot overflow.
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
            expDigit = true;
            exponent = std::min(exponent * 10 + (s[j] - '0'), 100000L);
        }
        if (expDigit && negExp)
            exponent = -exponent;
        if (!expDigit)
            exponent = 0;
    }
    if (exponent != 0) {
        num += 'e';
        num += std::to_string(exponent);
    }

    double v = 0.0;
    const auto res = std::from_chars(num.data(), num.data() + num.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Text beyond the double range reads as the largest finite magnitude rather than as
        // infinity, which no calculation could use; text below it reads as zero.
        const bool neg = num[0] == '-';
        const bool overflow = firstNonZero != std::string::npos && leadExp + exponent > 0;
        v = overflow ? DBL_MAX : 0.0;
        return neg ? -v : v;
    }
    return v;
}

std::string FormatFixed(double x, float intFrac) {
    x = finiteOrClamped(x);
    if (!std::isfinite(intFrac) || intFrac == 0.0f)
        return freeForm(x);

    const bool neg = x < 0;
    double a = std::fabs(x);
    const double h = intFrac > 0 ? 0.5 : 0.0;
    float c = std::fabs(intFrac);
    bool leadBlank = false; // a whole number in significant-digit form keeps one blank in front

    if (c > 100.0f) {
        // Significant-digit codes 1XY: Y digits, the hundreds widen the field.
        const double cd = c;
        const double u = std::nearbyint(cd - std::floor(cd / 10) * 10);
        if (u == 1.0)
            return "Error: IntFrac=" + NumberTextSingle(c) + " ";
        int n = a > 0 ? digitCount(a) : 0;
        n = std::max(n, 1);
        double dec = std::max(u - n, 0.0);
        const double t = std::pow(10.0, -dec) * h + a;
        // A rounding that carries into a new integer digit takes one decimal away.
        if (dec != 0 && static_cast<double>(NumberText(std::floor(t)).size()) - 1 > n) {
            ++n;
            dec -= 1;
        }
        if (dec == 0)
            leadBlank = true;
        c = static_cast<float>(std::floor(cd / 100)) + static_cast<float>(n) - 1.0f +
            static_cast<float>(dec) / 10.0f;
    }

    // The decimal digit of a single-precision code such as 1.2 sits just off its exact value.
    const float whole = std::trunc(c);
    const int d = static_cast<int>(std::nearbyint((c - whole) * 10.0f));
    int w = static_cast<int>(std::min(whole, static_cast<float>(MaxFieldWidth)));

    const double scale = PowersOfTen[static_cast<std::size_t>(d)];
    a = reduced15(a);
    const double y = a * scale;
    // Beyond the double range there are no fractional digits left to round.
    // Beyond 2^53 the scaled value is inexact and the division may land just below a whole
    // number (1085767732417 at six decimals gave ...416.999999); its 15-digit value is the one
    // the digits below are written from, so the integer part is taken from it too.
    const double r = reduced15(std::isinf(y) ? a : std::floor(y + h) / scale);

    const double whole_r = std::floor(r);
    const int nd = whole_r > 0 ? digitCount(r) : 1;
    if (w <= nd)
        w = nd + 1;

    std::string i = positionalText(whole_r);
    std::string f = positionalText(r);
    f.erase(0, std::min(i.size(), f.size()));

    i.insert(i.begin(), neg ? '-' : ' ');
    if (static_cast<int>(i.size()) < w)
        i.insert(0, static_cast<std::size_t>(w) - i.size(), ' ');
    if (d != 0) {
        if (whole_r == 0 || f.empty())
            f.insert(f.begin(), '.');
        if (static_cast<int>(f.size()) < d + 1)
            f.append(static_cast<std::size_t>(d + 1) - f.size(), '0');
    }
    if (leadBlank)
        i.insert(i.begin(), ' ');
    return i + f;
}

std::string FormatFixedTrim(double x, float intFrac) {
    return trimmed(FormatFixed(x, intFrac), true, true);
}

std::string FormatEng(double x, const std::string& unit, float intFrac) {
    std::string u = unit;
    bool leadTrim = false;
    bool trailTrim = false;
    while (u.find(';') != std::string::npos) {
        if (u.front() == ';' && !leadTrim) {
            leadTrim = true;
            u.erase(0, 1);
        } else {
            trailTrim = true;
            u.pop_back();
        }
    }

    struct Row {
        double from; // lower bound of the magnitude
        double factor;
        const char* prefix;
    };
    static constexpr std::array<Row, 9> Rows = {{
        {0.0, 1e12, "p"},
        {1e-9, 1e9, "n"},
        {1e-6, 1e6, "\xC2\xB5"},
        {1e-3, 1e3, "m"},
        {1.0, 1.0, ""},
        {1e3, 1e-3, "k"},
        {1e6, 1e-6, "M"},
        {1e9, 1e-9, "G"},
        {1e12, 1e-12, "T"},
    }};
    constexpr std::size_t Unprefixed = 4;

    x = finiteOrClamped(x);
    const double mag = std::fabs(x);
    std::size_t row = Unprefixed;
    if (mag != 0) {
        row = 0;
        while (row + 1 < Rows.size() && mag >= Rows[row + 1].from)
            ++row;
    }
    x *= Rows[row].factor;
    // The carry looks at the half-unit only, not at the decimals shown.
    if (intFrac > 0 && row + 1 < Rows.size() && std::fabs(x) + 0.5 >= 1000) {
        x /= 1000;
        ++row;
    }

    std::string s = " ";
    if (row == Unprefixed) {
        s += u;
        s += ' ';
    } else {
        s += Rows[row].prefix;
        s += u;
    }
    return trimmed(FormatFixed(x, intFrac) + s, leadTrim, trailTrim);
}

} // namespace oq
