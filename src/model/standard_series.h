#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The preferred-number series of resistors and capacitors, E-3 to E-192.
namespace oq {

enum class Series { E3, E6, E12, E24, E48, E96, E192 };

inline constexpr std::array<Series, 7> kAllSeries = {
    Series::E3, Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};

// "E-3" ... "E-192", and back; an unknown name gives nothing.
std::string_view SeriesName(Series series);
std::optional<Series> SeriesByName(std::string_view name);
// The short name a result file and a label write: "E3" ... "E192".
std::string_view SeriesCode(Series series);
// The significant digits of the series' members: 2 up to E-24, 3 from E-48 on.
int SeriesDigits(Series series);

// One decade of the series, scaled to the integers 100..999, ascending.
std::span<const int> SeriesMembers(Series series);

// The members around a positive value, in any decade: the nearest (a tie goes up), the next one
// strictly below and the next one strictly above. A value of 0 or below, or one that is not a
// finite number, throws CalcError, as does a member beyond the double range.
double NearestMember(Series series, double value);
double LowerMember(Series series, double value);
double HigherMember(Series series, double value);

// Whether the value is a member, as typed: 4.7, 0.047 and 4.7e3 are members of E-24.
bool IsMember(Series series, double value);

// The rule of the standard-value options. Direction: -1 next lower member, 0 nearest member (a tie
// goes up), 1 next higher member or the value itself when it is a member. With `rangeGuard` values
// below 0.1 or above 1e8 are returned unchanged. Zero stays zero; a negative value throws
// CalcError.
double Snap(Series series, double value, int direction, bool rangeGuard);
double E96(double value, int direction, bool rangeGuard);
double E24(double value, int direction, bool rangeGuard);

} // namespace oq
