#include "model/colour_code.h"
#include "model/standard_series.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace oq {
namespace {

using Bands = std::vector<Band>;
constexpr Band Black = Band::Black, Brown = Band::Brown, Red = Band::Red, Orange = Band::Orange,
               Yellow = Band::Yellow, Green = Band::Green, Blue = Band::Blue, Violet = Band::Violet,
               Grey = Band::Grey, White = Band::White, Gold = Band::Gold, Silver = Band::Silver,
               Pink = Band::Pink;

// IEC 60062 reference codes, read and written.
TEST(ColourCode, ReferenceCodesBothWays) {
    struct Case {
        Bands bands;
        double value, tolerance;
        Series series; // a series whose code this is
    };
    const Case cases[] = {
        {{Orange, Blue, Red, Gold}, 3600, 5, Series::E24},
        {{Brown, Black, Black, Red, Brown}, 10000, 1, Series::E96},
        {{Yellow, Violet, Gold, Silver}, 4.7, 10, Series::E12},
        {{Yellow, Violet, Brown}, 470, 20, Series::E6},
        {{Yellow, White, White, Silver, Brown}, 4.99, 1, Series::E96},
        {{Brown, Black, Black, Yellow, Red}, 1e6, 2, Series::E48},
        {{Brown, Black, Black, Gold, Green}, 10, 0.5, Series::E192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const auto r = ReadBands(c.bands);
        ASSERT_TRUE(r.has_value());
        EXPECT_DOUBLE_EQ(r->value, c.value);
        EXPECT_DOUBLE_EQ(r->tolerance, c.tolerance);
        EXPECT_FALSE(r->temperatureCoefficient.has_value());
        EXPECT_EQ(SeriesBands(c.series, c.value), c.bands);
    }
    // Six bands add the temperature coefficient.
    const auto six = ReadBands(Bands{Brown, Black, Black, Red, Brown, Red});
    ASSERT_TRUE(six.has_value());
    EXPECT_EQ(six->temperatureCoefficient, 50);
    // E-192 parts come in three tolerances.
    EXPECT_EQ(SeriesBands(Series::E192, 4990, Violet),
              (Bands{Yellow, White, White, Brown, Violet}));
    EXPECT_EQ(SeriesBands(Series::E192, 4990, Blue)->back(), Blue);
}

// Every multiplier band from pink to white, written and read back on a two- and a three-digit
// value; one decade beyond either end has no code.
TEST(ColourCode, EveryMultiplierBand) {
    const Band multipliers[] = {Pink,   Silver, Gold, Black,  Brown, Red,  Orange,
                                Yellow, Green,  Blue, Violet, Grey,  White};
    for (int e = -3; e <= 9; ++e) {
        SCOPED_TRACE(e);
        const Band m = multipliers[e + 3];
        EXPECT_EQ(BandExponent(m), e);
        const double two = 47 * std::pow(10.0, e), three = 499 * std::pow(10.0, e);
        const Bands twoBands{Yellow, Violet, m, Gold}, threeBands{Yellow, White, White, m, Brown};
        EXPECT_EQ(ValueBands(two, 2, Gold), twoBands);
        EXPECT_EQ(ValueBands(three, 3, Brown), threeBands);
        EXPECT_NEAR(ReadBands(twoBands)->value, two, two * 1e-12);
        EXPECT_NEAR(ReadBands(threeBands)->value, three, three * 1e-12);
    }
    EXPECT_FALSE(ValueBands(0.0047, 2, Gold).has_value()); // 47 x 10^-4
    EXPECT_FALSE(ValueBands(4.7e11, 2, Gold).has_value()); // 47 x 10^10
    EXPECT_FALSE(ValueBands(4.75, 2, Gold).has_value());   // three digits
    EXPECT_FALSE(ValueBands(0, 2, Gold).has_value());
}

// A band where it cannot stand reads as no code at all.
TEST(ColourCode, MisplacedBandsReadAsNothing) {
    EXPECT_FALSE(ReadBands(Bands{Gold, Black, Red, Gold}).has_value());   // gold is no digit
    EXPECT_FALSE(ReadBands(Bands{Black, Black, Red, Gold}).has_value());  // a leading zero
    EXPECT_FALSE(ReadBands(Bands{Brown, Black, Red, White}).has_value()); // no such tolerance
    EXPECT_FALSE(ReadBands(Bands{Brown, Black, Red, Band::None}).has_value());
    EXPECT_FALSE(ReadBands(Bands{Brown, Black, Black, Red, Brown, Gold}).has_value());
    EXPECT_FALSE(ReadBands(Bands{Brown, Black}).has_value());
    for (int count = 3; count <= 6; ++count)
        for (int place = 0; place < count; ++place)
            EXPECT_FALSE(BandChoices(count, place).empty()) << count << " " << place;
    EXPECT_EQ(BandChoices(4, 2).size(), 13u); // every colour is a multiplier
    EXPECT_EQ(BandChoices(4, 3).size(), 10u); // ten tolerances
    EXPECT_EQ(BandChoices(6, 5).size(), 9u);  // nine temperature coefficients
    EXPECT_EQ(BandTolerance(Grey), 0.01);
    EXPECT_EQ(BandName(Violet), "violet");
}

} // namespace
} // namespace oq
