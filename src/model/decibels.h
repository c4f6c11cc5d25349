#pragma once

#include <array>
#include <string>

// The two decibel tabs: one ratio as factor, percentage and dB; and one signal level as dB
// against a reference, RMS and peak-to-peak voltage and power.
namespace oq {

// ---- dB, %, X -------------------------------------------------------------------------------

// The boxes of the ratio tab.
enum RatioBox : int { RatioTimes = 0, RatioPercent = 1, RatioDb = 2 };

// One ratio in the three notations. Whether it amplifies or attenuates is carried by
// `attenuation`, never by a sign.
struct RatioLevels {
    double times = 0;
    double percent = 0;
    double db = 0;
    bool attenuation = true;
};

// Whether a typed value lies within what its box accepts for a voltage or a power ratio. A
// number beyond the double range is outside every limit.
bool RatioInRange(int box, bool power, double value);

// The two notations other than `active` from the value in `given`. A typed percentage decides
// gain or attenuation; otherwise `given.attenuation` does. The dB figure is never negative.
// Throws CalcError where the arithmetic fails.
RatioLevels ConvertRatio(int active, const RatioLevels& given, bool power);

// ---- dBm, dBU, dBV --------------------------------------------------------------------------

// The boxes of the level tab and its references.
enum LevelBox : int { LevelDb = 0, LevelRms = 1, LevelPeakToPeak = 2, LevelPower = 3 };
enum LevelReference : int { RefDbm = 0, RefDbu = 1, RefDbv = 2 };
using LevelValues = std::array<double, 4>; // dB, volts RMS, volts peak to peak, watts

// RMS voltage of 0 dB: 1 mW into 50 ohm, 1 mW into 600 ohm, 1 V.
double ReferenceVolts(int reference);

struct LevelLimits {
    double low;
    double high;
};
// What a box accepts as its given value under a reference.
LevelLimits LevelBoxLimits(int box, int reference);

// The red label's text for a value outside its box's limits; empty when the value is within
// them. The limits are written with the box's decimals code.
std::string LevelLimitMessage(int box, int reference, double value, float decimals);

// All four quantities from the one in box `source`, in the order the tab shows them. The power
// is always relative to 1 mW. Throws CalcError where the arithmetic fails.
LevelValues ConvertLevel(int source, double value, double referenceVolts);

// Volts or watts per unit of a box's unit option: µV mV V kV for the voltages, pW to MW for the
// power; 1 for the dB box.
double LevelUnitFactor(int box, int option);

// A level box's text and the unit option that goes with it, picked from the SI prefix of the
// value (option -1 for the dB box, which has none).
struct UnitText {
    std::string text;
    int option = -1;
};
UnitText LevelUnitText(int box, double value, float decimals);

} // namespace oq
