#include "model/resistor_combinations.h"

#include "model/checked.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace oq {

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
// Deviations are compared in steps of 1e-12: far below any tolerance, far above rounding.
constexpr double Quantum = 1e12;
// The walks stop a few steps beyond the limit, so that the rounding of the search's own
// arithmetic never ends one early.
constexpr double WalkSlack = 4;

double par(double x, double y) {
    return x * y / (x + y);
}

// x * 10^n, as the series scale their members: exact powers of ten, divided by for negative n,
// so that a member below 1 ohm is the same double a user types.
double scaled(double x, int n) {
    return n >= 0 ? x * std::pow(10.0, n) : x / std::pow(10.0, -n);
}

double quantized(double deviation) {
    return std::round(std::fabs(deviation) * Quantum);
}

// The y that makes x + y = t, and x // y = t. Infinities stand for "no y is large (small)
// enough"; they are never NaN for t of any sign or infinity.
double needSeries(double x, double t) {
    return t - x;
}
double needParallel(double x, double t) {
    if (!(t > 0))
        return -Inf; // any y gives more than t
    if (x <= t)
        return Inf; // no y gives as little as t
    return x * t / (x - t);
}

void sortDown(double* first, double* last) {
    std::sort(first, last, [](double a, double b) { return a > b; });
}

Combination canonical(Arrangement n, std::array<double, 4> p) {
    double* a = p.data();
    switch (n) {
    case Arrangement::Single:
        break;
    case Arrangement::Series2:
    case Arrangement::Parallel2:
        sortDown(a, a + 2);
        break;
    case Arrangement::Series3:
    case Arrangement::Parallel3:
        sortDown(a, a + 3);
        break;
    case Arrangement::SeriesOfParallel3:
    case Arrangement::ParallelOfSeries3:
        sortDown(a + 1, a + 3);
        break;
    case Arrangement::Series4:
    case Arrangement::Parallel4:
        sortDown(a, a + 4);
        break;
    case Arrangement::SeriesWithParallel4:
    case Arrangement::ParallelWithSeries4:
        sortDown(a, a + 2);
        sortDown(a + 2, a + 4);
        break;
    case Arrangement::SeriesOfParallel4:
    case Arrangement::ParallelOfSeries4:
        sortDown(a + 1, a + 4);
        break;
    case Arrangement::SeriesOfNested4:
    case Arrangement::ParallelOfNested4:
        sortDown(a + 2, a + 4);
        break;
    case Arrangement::TwoParallelsInSeries:
    case Arrangement::TwoSeriesInParallel:
        sortDown(a, a + 2);
        sortDown(a + 2, a + 4);
        if (a[2] > a[0] || (a[2] == a[0] && a[3] > a[1])) {
            std::swap(a[0], a[2]);
            std::swap(a[1], a[3]);
        }
        break;
    }
    Combination c;
    c.arrangement = n;
    c.parts = p;
    c.value = ArrangementValue(n, p);
    return c;
}

// The best solutions of one count, best first, each once.
class TopList {
  public:
    explicit TopList(int length)
        : length_(static_cast<size_t>(length)) {}

    // The quantized deviation of the last kept solution once the list is full: nothing beyond it
    // can enter.
    double limit() const { return items_.size() < length_ ? Inf : items_.back().q; }

    void offer(const Combination& c) {
        Item item{c, quantized(c.deviation), c.spread()};
        if (items_.size() >= length_ && !before(item, items_.back()))
            return;
        for (const Item& i : items_)
            if (i.c.arrangement == c.arrangement && i.c.parts == c.parts)
                return;
        auto at = std::upper_bound(items_.begin(), items_.end(), item,
                                   [](const Item& x, const Item& y) { return before(x, y); });
        items_.insert(at, item);
        if (items_.size() > length_)
            items_.pop_back();
    }

    std::vector<Combination> take() const {
        std::vector<Combination> out;
        for (const Item& i : items_)
            out.push_back(i.c);
        return out;
    }

  private:
    struct Item {
        Combination c;
        double q;
        double spread;
    };
    static bool before(const Item& x, const Item& y) {
        if (x.q != y.q)
            return x.q < y.q;
        if (x.spread != y.spread)
            return x.spread < y.spread;
        if (x.c.arrangement != y.c.arrangement)
            return x.c.arrangement < y.c.arrangement;
        return x.c.parts < y.c.parts;
    }

    size_t length_;
    std::vector<Item> items_;
};

// Positive doubles order as their bit patterns do.
uint64_t bitsOf(double v) {
    return std::bit_cast<uint64_t>(v);
}

// A sorted table: the values ascending, where each comes from, and an index of buckets over the
// bit patterns of the values, so that finding a place takes a few steps in one bucket instead of a
// binary search over the whole table.
struct Sorted {
    std::vector<double> v;
    std::vector<uint32_t> from; // two part indices, i << 16 | j
    uint64_t base = 0;
    int shift = 0;
    std::vector<uint32_t> start; // start[b]: the first entry of bucket b or a later one

    size_t size() const { return v.size(); }

    void index() {
        start.clear();
        if (v.empty())
            return;
        base = bitsOf(v.front());
        const uint64_t range = bitsOf(v.back()) - base;
        shift = 0;
        while ((range >> shift) > v.size())
            ++shift;
        const size_t buckets = static_cast<size_t>(range >> shift) + 1;
        start.assign(buckets + 1, static_cast<uint32_t>(v.size()));
        size_t b = 0;
        for (size_t k = 0; k < v.size(); ++k) {
            const size_t key = static_cast<size_t>((bitsOf(v[k]) - base) >> shift);
            while (b <= key)
                start[b++] = static_cast<uint32_t>(k);
        }
    }

    // The first place in [lo, hi) whose value is need or more, for v[lo] < need <= v[hi - 1].
    size_t lowerBound(size_t lo, size_t hi, double need) const {
        const size_t key = static_cast<size_t>((bitsOf(need) - base) >> shift);
        const size_t first = std::max<size_t>(lo, start[key]);
        const size_t last = std::min<size_t>(hi, start[key + 1]);
        return static_cast<size_t>(std::lower_bound(v.data() + first, v.data() + last, need) -
                                   v.data());
    }
};

// Sorts the entries by value: a radix sort over the bit patterns, sixteen bits a pass.
struct Entry {
    double v;
    uint32_t from;
};
void sortEntries(std::vector<Entry>& entries) {
    if (entries.empty())
        return;
    std::vector<Entry> other(entries.size());
    std::vector<uint32_t> count(65537);
    for (int pass = 0; pass < 4; ++pass) {
        const int at = 16 * pass;
        std::fill(count.begin(), count.end(), 0);
        for (const Entry& e : entries)
            ++count[((bitsOf(e.v) >> at) & 0xffff) + 1];
        if (count[((bitsOf(entries.front().v) >> at) & 0xffff) + 1] == entries.size())
            continue; // one digit for all: the pass would change nothing
        for (size_t d = 1; d < count.size(); ++d)
            count[d] += count[d - 1];
        for (const Entry& e : entries)
            other[count[(bitsOf(e.v) >> at) & 0xffff]++] = e;
        entries.swap(other);
    }
}

// Walks the sorted values t[lo, hi) outwards from where f(y) reaches the target (`need` is that
// y): upwards while `visit` keeps the candidate within the limit, then downwards. f grows with y,
// so the deviation grows in both directions. True when every candidate lies above the target and
// the nearest is already beyond the limit: then a caller whose f grows with its outer loop may
// stop that loop.
template <class Visit> bool walk(const Sorted& t, size_t lo, size_t hi, double need, Visit visit) {
    if (lo >= hi)
        return false;
    const double* v = t.v.data();
    size_t p;
    if (need <= v[lo])
        p = lo;
    else if (need > v[hi - 1])
        p = hi;
    else
        p = t.lowerBound(lo, hi, need);
    for (size_t u = p; u < hi; ++u)
        if (!visit(u)) {
            if (u == lo)
                return true;
            break;
        }
    for (size_t d = p; d > lo; --d)
        if (!visit(d - 1))
            break;
    return false;
}

// Each arrangement's formula, '#' standing for a part.
const char* formOf(Arrangement n) {
    static const char* const forms[] = {
        "#",
        "# + #",
        "# // #",
        "# + # + #",
        "# // # // #",
        "# + (# // #)",
        "# // (# + #)",
        "# + # + # + #",
        "# // # // # // #",
        "# + # + (# // #)",
        "# // # // (# + #)",
        "# + (# // # // #)",
        "# // (# + # + #)",
        "# + (# // (# + #))",
        "# // (# + (# // #))",
        "(# // #) + (# // #)",
        "(# + #) // (# + #)",
    };
    return forms[static_cast<size_t>(n)];
}

} // namespace

int PartCount(Arrangement arrangement) {
    switch (arrangement) {
    case Arrangement::Single:
        return 1;
    case Arrangement::Series2:
    case Arrangement::Parallel2:
        return 2;
    case Arrangement::Series3:
    case Arrangement::Parallel3:
    case Arrangement::SeriesOfParallel3:
    case Arrangement::ParallelOfSeries3:
        return 3;
    default:
        return 4;
    }
}

std::string ArrangementPattern(Arrangement arrangement) {
    static const char* const names[4] = {"R1", "R2", "R3", "R4"};
    std::string text;
    size_t k = 0;
    for (const char* ch = formOf(arrangement); *ch; ++ch)
        if (*ch == '#')
            text += names[k++];
        else
            text += *ch;
    return text;
}

double Combination::spread() const {
    const int n = count();
    const auto [lo, hi] = std::minmax_element(parts.begin(), parts.begin() + n);
    return *lo > 0 ? *hi / *lo : 1.0;
}

double ArrangementValue(Arrangement n, const std::array<double, 4>& p) {
    const double a = p[0], b = p[1], c = p[2], d = p[3];
    switch (n) {
    case Arrangement::Single:
        return a;
    case Arrangement::Series2:
        return a + b;
    case Arrangement::Parallel2:
        return par(a, b);
    case Arrangement::Series3:
        return a + b + c;
    case Arrangement::Parallel3:
        return par(par(a, b), c);
    case Arrangement::SeriesOfParallel3:
        return a + par(b, c);
    case Arrangement::ParallelOfSeries3:
        return par(a, b + c);
    case Arrangement::Series4:
        return a + b + c + d;
    case Arrangement::Parallel4:
        return par(par(a, b), par(c, d));
    case Arrangement::SeriesWithParallel4:
        return a + b + par(c, d);
    case Arrangement::ParallelWithSeries4:
        return par(par(a, b), c + d);
    case Arrangement::SeriesOfParallel4:
        return a + par(par(b, c), d);
    case Arrangement::ParallelOfSeries4:
        return par(a, b + c + d);
    case Arrangement::SeriesOfNested4:
        return a + par(b, c + d);
    case Arrangement::ParallelOfNested4:
        return par(a, b + par(c, d));
    case Arrangement::TwoParallelsInSeries:
        return par(a, b) + par(c, d);
    case Arrangement::TwoSeriesInParallel:
        return par(a + b, c + d);
    }
    return 0;
}

bool CombinationTarget(double ohms) {
    return ohms >= 1e-6 && ohms <= 1e15;
}

bool RanksBefore(const Combination& a, const Combination& b) {
    const double qa = quantized(a.deviation), qb = quantized(b.deviation);
    if (qa != qb)
        return qa < qb;
    if (a.count() != b.count())
        return a.count() < b.count();
    if (a.spread() != b.spread())
        return a.spread() < b.spread();
    if (a.arrangement != b.arrangement)
        return a.arrangement < b.arrangement;
    return a.parts < b.parts;
}

const Combination* BestOverall(const CombinationResult& result) {
    const Combination* best = nullptr;
    for (const auto& list : result.best)
        if (!list.empty() && (!best || RanksBefore(list.front(), *best)))
            best = &list.front();
    return best;
}

std::vector<double> CombinationPartList(const CombinationParts& stock) {
    const double low = stock.low, high = stock.high;
    if (!(low >= 1e-3) || !(high <= 1e12) || !(high >= low))
        throw CalcError("no range of parts");
    if (high / low > 1.000000001e9)
        throw CalcError("a range of more than nine decades");
    const double lowEdge = low * (1 - 1e-9), highEdge = high * (1 + 1e-9);
    const int first = static_cast<int>(std::floor(std::log10(low))) - 3;
    const int last = static_cast<int>(std::floor(std::log10(high))) + 1;
    std::vector<double> list;
    for (int n = first; n <= last; ++n)
        for (int m : SeriesMembers(stock.series)) {
            const double v = scaled(m, n);
            if (v < lowEdge || v > highEdge)
                continue;
            bool excluded = false;
            for (double x : stock.excluded)
                excluded = excluded || std::fabs(v - x) <= 1e-9 * v;
            if (!excluded)
                list.push_back(v);
        }
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

// The two-resistor tables of the four-part search: every pair i <= j in series and in parallel,
// sorted by value.
struct CombinationSearch::Tables {
    Sorted series;
    Sorted parallel;

    explicit Tables(const std::vector<double>& parts) {
        build(parts, series, [](double a, double b) { return a + b; });
        build(parts, parallel, par);
    }

    template <class F> static void build(const std::vector<double>& parts, Sorted& out, F f) {
        const size_t n = parts.size();
        std::vector<Entry> entries;
        entries.reserve(n * (n + 1) / 2);
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i; j < n; ++j)
                entries.push_back({f(parts[i], parts[j]), static_cast<uint32_t>(i << 16 | j)});
        sortEntries(entries);
        out.v.resize(entries.size());
        out.from.resize(entries.size());
        for (size_t k = 0; k < entries.size(); ++k) {
            out.v[k] = entries[k].v;
            out.from[k] = entries[k].from;
        }
        out.index();
    }
};

CombinationSearch::CombinationSearch(const CombinationParts& parts)
    : spec_(parts)
    , list_(CombinationPartList(parts)) {}

CombinationSearch::~CombinationSearch() = default;

CombinationResult CombinationSearch::find(const CombinationRequest& request,
                                          const std::atomic<bool>* cancel) {
    const double T = request.target;
    if (!CombinationTarget(T))
        throw CalcError("no target");
    const int maxParts = std::clamp(request.maxParts, 1, 4);
    const int length = std::clamp(request.listLength, 1, 50);
    CombinationResult result;
    const std::vector<double>& P = list_;
    const size_t N = P.size();
    if (N == 0)
        return result;
    const double* pv = P.data();
    Sorted ps;
    ps.v = P;
    ps.index();
    auto cancelled = [&] {
        return cancel && cancel->load(std::memory_order_relaxed) && (result.cancelled = true);
    };

    // One count's list and the test of a candidate against its limit; `value` is the
    // candidate's value as the search computed it.
    struct Count {
        TopList list;
        double target;
        double reach = Inf; // how far from the target a candidate may lie, in ohms
        explicit Count(int length, double t)
            : list(length)
            , target(t) {}
        bool within(double value) const { return std::fabs(value - target) <= reach; }
        void offer(Arrangement n, const std::array<double, 4>& parts) {
            Combination c = canonical(n, parts);
            c.deviation = c.value / target - 1;
            list.offer(c);
            reach = (list.limit() + WalkSlack) / Quantum * target;
        }
    };

    // ---- one part
    {
        Count one(length, T);
        walk(ps, 0, N, T, [&](size_t u) {
            const double y = pv[u];
            if (!request.targetAlone && std::fabs(y - T) <= 1e-12 * T)
                return true; // passed over, not the end of the walk
            if (!one.within(y))
                return false;
            one.offer(Arrangement::Single, {y, 0, 0, 0});
            return true;
        });
        result.best[0] = one.list.take();
    }

    // ---- two parts: b >= a
    if (maxParts >= 2) {
        Count two(length, T);
        for (size_t i = 0; i < N && !cancelled(); ++i) {
            const double a = pv[i];
            if (walk(ps, i, N, needSeries(a, T), [&](size_t u) {
                    if (!two.within(a + pv[u]))
                        return false;
                    two.offer(Arrangement::Series2, {a, pv[u], 0, 0});
                    return true;
                }))
                break;
        }
        for (size_t i = 0; i < N && !cancelled(); ++i) {
            const double a = pv[i];
            if (walk(ps, i, N, needParallel(a, T), [&](size_t u) {
                    if (!two.within(par(a, pv[u])))
                        return false;
                    two.offer(Arrangement::Parallel2, {a, pv[u], 0, 0});
                    return true;
                }))
                break;
        }
        result.best[1] = two.list.take();
    }

    // ---- three parts: the last part from the sorted parts, the other two in loops
    if (maxParts >= 3) {
        Count three(length, T);
        // Every a, every b from a on (`ordered`: a <= b) or from the start, and the c that walk()
        // finds for what a and b leave: `need(a, b)` is the c wanted, `whole(a, b, c)` the value.
        const auto search = [&](bool ordered, auto need, auto whole, Arrangement arrangement) {
            for (size_t i = 0; i < N && !cancelled(); ++i) {
                const double a = pv[i];
                const size_t first = ordered ? i : 0;
                size_t j = first;
                for (; j < N; ++j) {
                    const double b = pv[j];
                    if (walk(ps, j, N, need(a, b), [&](size_t u) {
                            if (!three.within(whole(a, b, pv[u])))
                                return false;
                            three.offer(arrangement, {a, b, pv[u], 0});
                            return true;
                        }))
                        break;
                }
                if (j == first)
                    break;
            }
        };
        // a + b + c and a // b // c, a <= b <= c
        search(
            true, [&](double a, double b) { return needSeries(a + b, T); },
            [](double a, double b, double c) { return a + b + c; }, Arrangement::Series3);
        search(
            true, [&](double a, double b) { return needParallel(par(a, b), T); },
            [&](double a, double b, double c) { return par(par(a, b), c); },
            Arrangement::Parallel3);
        // a + (b // c), a // (b + c); c >= b, a any
        search(
            false, [&](double a, double b) { return needParallel(b, needSeries(a, T)); },
            [&](double a, double b, double c) { return a + par(b, c); },
            Arrangement::SeriesOfParallel3);
        search(
            false, [&](double a, double b) { return needSeries(b, needParallel(a, T)); },
            [&](double a, double b, double c) { return par(a, b + c); },
            Arrangement::ParallelOfSeries3);
        result.best[2] = three.list.take();
    }

    // ---- four parts: two-resistor tables
    if (maxParts >= 4 && !result.cancelled) {
        if (!tables_)
            tables_ = std::make_unique<Tables>(P);
        const Sorted& S = tables_->series;
        const Sorted& Q = tables_->parallel;
        const size_t M = S.v.size();
        auto pair = [&](const Sorted& t, size_t k) {
            const uint32_t f = t.from[k];
            return std::array<double, 2>{pv[f >> 16], pv[f & 0xffff]};
        };
        Count four(length, T);

        // A pair from table X with a pair from table Y; `same` when X is Y, where the second
        // pair comes from at or after the first.
        auto pairs = [&](const Sorted& X, const Sorted& Y, bool same, Arrangement n, auto combine,
                         auto need) {
            for (size_t k = 0; k < M; ++k) {
                if ((k & 1023) == 0 && cancelled())
                    return;
                const double x = X.v[k];
                const size_t lo = same ? k : 0;
                if (walk(Y, lo, M, need(x), [&](size_t u) {
                        if (!four.within(combine(x, Y.v[u])))
                            return false;
                        const auto p = pair(X, k), q = pair(Y, u);
                        four.offer(n, {p[0], p[1], q[0], q[1]});
                        return true;
                    }))
                    break;
            }
        };
        auto sum = [](double x, double y) { return x + y; };
        auto needSum = [&](double x) { return needSeries(x, T); };
        auto needPar = [&](double x) { return needParallel(x, T); };
        pairs(S, S, true, Arrangement::Series4, sum, needSum);
        pairs(Q, Q, true, Arrangement::Parallel4, par, needPar);
        pairs(S, Q, false, Arrangement::SeriesWithParallel4, sum, needSum);
        pairs(Q, S, false, Arrangement::ParallelWithSeries4, par, needPar);
        pairs(Q, Q, true, Arrangement::TwoParallelsInSeries, sum, needSum);
        pairs(S, S, true, Arrangement::TwoSeriesInParallel, par, needPar);

        // Two single parts a and b, then a pair from a table: a + (b // y) or a // (b + y).
        auto nested = [&](const Sorted& Y, bool seriesFirst, Arrangement n) {
            for (size_t i = 0; i < N && !cancelled(); ++i) {
                const double a = pv[i];
                const double outer = seriesFirst ? needSeries(a, T) : needParallel(a, T);
                size_t j = 0;
                for (; j < N; ++j) {
                    const double b = pv[j];
                    const double need = seriesFirst ? needParallel(b, outer) : needSeries(b, outer);
                    if (walk(Y, 0, M, need, [&](size_t u) {
                            const double y = Y.v[u];
                            if (!four.within(seriesFirst ? a + par(b, y) : par(a, b + y)))
                                return false;
                            const auto q = pair(Y, u);
                            four.offer(n, {a, b, q[0], q[1]});
                            return true;
                        }))
                        break;
                }
                if (j == 0)
                    break;
            }
        };
        if (!result.cancelled)
            nested(Q, true, Arrangement::SeriesOfParallel4);
        if (!result.cancelled)
            nested(S, false, Arrangement::ParallelOfSeries4);
        if (!result.cancelled)
            nested(S, true, Arrangement::SeriesOfNested4);
        if (!result.cancelled)
            nested(Q, false, Arrangement::ParallelOfNested4);
        result.best[3] = four.list.take();
    }

    if (result.cancelled)
        result.best = {};
    return result;
}

CombinationResult FindCombinations(const CombinationParts& parts, const CombinationRequest& request,
                                   const std::atomic<bool>* cancel) {
    CombinationSearch search(parts);
    return search.find(request, cancel);
}

// ---- texts ----------------------------------------------------------------------------------

namespace {

// Up to `digits` significant digits, trailing zeros dropped; no exponent for 1e-3 <= v < 1e6.
std::string significant(double v, int digits) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    return std::string(buf, r.ptr);
}

std::string withPrefix(double ohms, int digits) {
    struct Prefix {
        double scale;
        const char* letter;
    };
    static const Prefix prefixes[] = {{1e12, "T"}, {1e9, "G"}, {1e6, "M"}, {1e3, "k"}, {1, ""}};
    if (!(ohms > 0) || !std::isfinite(ohms))
        return significant(ohms, digits);
    // Rounded first, so that 999999.9 is written 1M and not 1000k.
    char buf[64];
    const auto r =
        std::to_chars(buf, buf + sizeof buf, ohms, std::chars_format::scientific, digits - 1);
    double rounded = 0;
    std::from_chars(buf, r.ptr, rounded);
    for (const Prefix& p : prefixes)
        if (rounded >= p.scale)
            return significant(rounded / p.scale, digits) + p.letter;
    return significant(rounded, digits);
}

} // namespace

std::string PartText(double ohms) {
    return withPrefix(ohms, 6);
}

std::string CombinationValueText(double ohms) {
    return withPrefix(ohms, 6);
}

std::string DeviationText(double deviation) {
    if (quantized(deviation) == 0)
        return "0 %";
    const double p = deviation * 100;
    const double m = std::fabs(p);
    if (!std::isfinite(m))
        return "?";
    // Built by appending: GCC 12 at -O3 warns falsely (restrict) on a literal + string.
    std::string out = p < 0 ? "-" : "+";
    if (m >= 1e6) {
        out += significant(m, 3);
        out += " %";
        return out;
    }
    // Three significant digits, written out in full.
    const int decimals = std::clamp(2 - static_cast<int>(std::floor(std::log10(m))), 0, 12);
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, m, std::chars_format::fixed, decimals);
    std::string text(buf, r.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    out += text;
    out += " %";
    return out;
}

std::string CombinationFormula(const Combination& c) {
    std::string text;
    size_t k = 0;
    for (const char* ch = formOf(c.arrangement); *ch; ++ch)
        if (*ch == '#')
            text += PartText(c.parts[k++]);
        else
            text += *ch;
    return text;
}

std::string CombinationLine(const Combination& c) {
    return CombinationFormula(c) + " = " + CombinationValueText(c.value) + "  (" +
           DeviationText(c.deviation) + ")";
}

std::string CombinationResultFile(double target, const CombinationParts& parts,
                                  const CombinationResult& result, bool tenPerCount) {
    const std::string end = "\r\n";
    std::string text = "Target Value: ";
    text += CombinationValueText(target);
    text += end;
    text += "Resistor Values: ";
    text += SeriesName(parts.series);
    text += " series, ";
    text += PartText(parts.low);
    text += " to ";
    text += PartText(parts.high);
    text += end;
    if (!parts.excluded.empty()) {
        text += "Excluded:";
        for (double x : parts.excluded) {
            text += ' ';
            text += PartText(x);
        }
        text += end;
    }
    for (size_t n = 0; n < result.best.size(); ++n) {
        const auto& list = result.best[n];
        if (list.empty())
            continue;
        text += end + std::to_string(n + 1) + (n == 0 ? " resistor" : " resistors") + end;
        const size_t shown = tenPerCount ? list.size() : 1;
        for (size_t i = 0; i < shown && i < list.size(); ++i)
            text += CombinationLine(list[i]) + end;
    }
    return text;
}

// ---- reading a typed resistance -------------------------------------------------------------

} // namespace oq
