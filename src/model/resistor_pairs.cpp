#include "model/resistor_pairs.h"

#include "model/checked.h"
#include "model/notation.h"
#include "model/standard_series.h"

namespace oq {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

const char* separator(Pairing how) {
    return how == Pairing::Serial ? " + " : " // ";
}

} // namespace

double CombinePair(Pairing how, double r1, double r2) {
    if (how == Pairing::Serial)
        return Add(r1, r2);
    return Div(Mul(r1, r2), Add(r1, r2));
}

double FirstOfPair(Pairing how, double r, double r2) {
    const double r1 = how == Pairing::Serial ? Sub(r, r2) : Div(Mul(r, r2), Sub(r2, r));
    if (r1 < 0)
        throw CalcError("negative resistance");
    return r1;
}

std::vector<std::string> ToleranceEntries() {
    std::vector<std::string> entries;
    for (int i = 0; i <= 10; ++i)
        entries.push_back(FormatFixedTrim(i * 0.1, 0));
    for (int i = 3; i <= 10; ++i)
        entries.push_back(FormatFixedTrim(i * 0.5, 0));
    return entries;
}

std::string PairLine(Pairing how, double r1, double r2, double sum, double target,
                     float sumDecimals) {
    const double deviation = Sub(Div(Mul(100.0, sum), target), 100.0);
    return trimmed(NumberText(r1)) + separator(how) + trimmed(NumberText(r2)) + " =" +
           FormatFixed(sum, sumDecimals) + "  (" + FormatFixed(deviation, 104) + "%)";
}

PairSearch SearchPairs(Pairing how, Series series, double target, double tolerancePercent,
                       float sumDecimals) {
    // A zero target has no pairs, and the deviation from it would divide by zero.
    if (!(target > 0))
        throw CalcError("no target");
    auto member = [&](double v, int direction) { return Snap(series, v, direction, false); };
    const double p = Mul(tolerancePercent, 0.01);
    const double low = Mul(Sub(1.0, p), target);
    const double high = Mul(Add(1.0, p), target);
    const bool serial = how == Pairing::Serial;

    PairSearch found;
    found.targetIsMember = member(target, 0) == target;
    // Serial: R1 falls from just below the target; parallel: it rises from just above it.
    double r1 = serial ? member(Mul(target, 0.999), -1) : member(Mul(target, 1.001), 1);
    double firstR2 = 0;
    for (;;) {
        const double exact = serial ? Sub(target, r1) : Div(Mul(r1, target), Sub(r1, target));
        const double r2 = member(exact, 0);
        if (firstR2 == 0)
            firstR2 = r2;
        const double sum = CombinePair(how, r1, r2);
        if (low <= sum && sum <= high) {
            // R2 leading a listed line: this pair and all after it are listed already, mirrored.
            for (const std::string& line : found.lines)
                if (TextValue(line) == r2)
                    return found;
            found.lines.push_back(PairLine(how, r1, r2, sum, target, sumDecimals));
        }
        const double next = serial ? member(Mul(r1, 0.999), -1) : member(Mul(r1, 1.001), 1);
        // The series always moves on; a value that stands still (at the very ends of the double
        // range) would never end the walk.
        if (serial ? !(next < r1 && next > firstR2) : !(next > r1 && next < firstR2))
            break;
        r1 = next;
    }
    return found;
}

Pair ReadPairLine(Pairing how, const std::string& line) {
    const std::string sep = how == Pairing::Serial ? "+" : "//";
    const auto a = line.find(sep);
    if (a == std::string::npos)
        return {};
    const auto from = a + sep.size();
    const auto b = line.find('=', from);
    return {TextValue(line.substr(0, a)),
            TextValue(line.substr(from, b == std::string::npos ? b : b - from))};
}

std::string PairResultFile(double target, float targetDecimals, const std::string& tolerance,
                           Series series, const std::vector<std::string>& lines) {
    const std::string end = "\r\n";
    std::string text = "Target Value: " + FormatFixedTrim(target, targetDecimals) + end +
                       "Max Tolerance: " + tolerance + " %" + end +
                       "Resistor Values: " + std::string(SeriesCode(series)) + " series" + end +
                       end;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

} // namespace oq
