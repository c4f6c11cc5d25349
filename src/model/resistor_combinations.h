#pragma once

#include "model/standard_series.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The best one, two, three or four standard resistors for a target value, over every series and
// parallel arrangement of that many parts.
namespace oq {

// Every series/parallel arrangement of one to four resistors: the series-parallel networks of
// that many parts (1, 2, 4 and 10 of them). The letters name the parts in the order they are
// written; inside a group whose order does not matter the larger part comes first.
enum class Arrangement : uint8_t {
    Single,               // a
    Series2,              // a + b
    Parallel2,            // a // b
    Series3,              // a + b + c
    Parallel3,            // a // b // c
    SeriesOfParallel3,    // a + (b // c)
    ParallelOfSeries3,    // a // (b + c)
    Series4,              // a + b + c + d
    Parallel4,            // a // b // c // d
    SeriesWithParallel4,  // a + b + (c // d)
    ParallelWithSeries4,  // a // b // (c + d)
    SeriesOfParallel4,    // a + (b // c // d)
    ParallelOfSeries4,    // a // (b + c + d)
    SeriesOfNested4,      // a + (b // (c + d))
    ParallelOfNested4,    // a // (b + (c // d))
    TwoParallelsInSeries, // (a // b) + (c // d)
    TwoSeriesInParallel,  // (a + b) // (c + d)
};

int PartCount(Arrangement arrangement);
// The formula with the parts' names: "R1 + (R2 // R3)".
std::string ArrangementPattern(Arrangement arrangement);

// One solution: an arrangement and its parts in the order written, the larger first where the order
// does not matter, so that one solution has one spelling.
struct Combination {
    Arrangement arrangement = Arrangement::Single;
    std::array<double, 4> parts{}; // the unused ones are 0
    double value = 0;              // what the arrangement makes, in ohms
    double deviation = 0;          // value / target - 1 (relative; signed)

    int count() const { return PartCount(arrangement); }
    // The largest part over the smallest: 1 for a single part or equal parts.
    double spread() const;
};

// What the search may use.
struct CombinationParts {
    Series series = Series::E24;
    double low = 10;   // smallest part, ohms
    double high = 1e6; // largest part, ohms
    // Values no solution may use; a value that is not a part of the range excludes nothing.
    std::vector<double> excluded;
};

struct CombinationRequest {
    double target = 0;       // ohms
    bool targetAlone = true; // a part equal to the target may be the one-resistor solution
    int maxParts = 4;        // 1..4
    int listLength = 10;     // solutions kept per count, 1..50
};

struct CombinationResult {
    // best[n - 1]: the solutions with n parts, best first: the smallest deviation, then the most
    // balanced (the smallest spread). Empty for counts above maxParts, when the range holds no
    // part, or when the search was cancelled.
    std::array<std::vector<Combination>, 4> best;
    bool cancelled = false;
};

// Whether the search takes a target: from 1e-6 to 1e15 ohm, where every deviation stays finite.
bool CombinationTarget(double ohms);

// The ranking: deviations are equal when they agree to 1e-12 (relative), which rounding alone
// never separates; then fewer parts, then the smaller spread. True when a ranks before b.
bool RanksBefore(const Combination& a, const Combination& b);
// The best solution over every count, by the ranking above; nullptr when there is none.
const Combination* BestOverall(const CombinationResult& result);

// The parts of a range: the members of the series from `low` to `high`, ascending, less the
// excluded ones. Throws CalcError for a range that is not within 1e-3 to 1e12 ohm, or wider than
// nine decades.
std::vector<double> CombinationPartList(const CombinationParts& parts);

// The search over one set of parts. It keeps the sorted two-resistor tables of the four-part
// search, so that searching for another target with the same parts does not build them again.
// Not for two threads at once.
class CombinationSearch {
  public:
    explicit CombinationSearch(const CombinationParts& parts);
    ~CombinationSearch();
    CombinationSearch(const CombinationSearch&) = delete;
    CombinationSearch& operator=(const CombinationSearch&) = delete;

    const CombinationParts& parts() const { return spec_; }
    const std::vector<double>& partList() const { return list_; }

    // A target outside CombinationTarget throws CalcError. `cancel`, when given,
    // is read now and then; once it is true the search ends with `cancelled` set.
    CombinationResult find(const CombinationRequest& request,
                           const std::atomic<bool>* cancel = nullptr);

  private:
    struct Tables;
    CombinationParts spec_;
    std::vector<double> list_;
    std::unique_ptr<Tables> tables_; // built by the first four-part search
};

// Once, without keeping the tables.
CombinationResult FindCombinations(const CombinationParts& parts, const CombinationRequest& request,
                                   const std::atomic<bool>* cancel = nullptr);

// What an arrangement of these parts makes.
double ArrangementValue(Arrangement arrangement, const std::array<double, 4>& parts);

// A part as a short form: "105k", "4.7k", "59", "1M", "0.47", "2T".
std::string PartText(double ohms);
// A combination's value to six significant digits with the prefix: "164k", "17.5824".
std::string CombinationValueText(double ohms);
// The deviation in percent with three significant digits and its sign: "0 %", "+0.0312 %".
std::string DeviationText(double deviation);
// "105k + 59k"
std::string CombinationFormula(const Combination& c);
// "105k + 59k = 164k  (0 %)": a line of the result list.
std::string CombinationLine(const Combination& c);

// The text of a result file: the target, the series and range, the exclusions, then each count's
// lines under its heading; every line ends with CR LF.
std::string CombinationResultFile(double target, const CombinationParts& parts,
                                  const CombinationResult& result, bool tenPerCount);

} // namespace oq
