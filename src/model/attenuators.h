#pragma once

#include "model/standard_series.h"

#include <array>
#include <optional>

// Resistive matching attenuators between a source impedance Z1 and a load impedance Z2 (Z1 at
// least Z2). The PI network has shunt arms R1 (Z1 side) and R3 (Z2 side) and a series arm R2;
// the T network has series arms R1 and R3 and a shunt arm R2. An attenuation figure in dB is
// read either as a voltage ratio or as a power ratio; K is the power ratio of the network.
namespace oq {

enum class Network { Pi, T };

// An arm above 1e8 ohm is as good as no resistor at all, one below 0.1 ohm as a wire.
constexpr double OpenAbove = 1e8;
constexpr double ShortBelow = 0.1;
// The PI network stores such arms as these values.
constexpr double OpenValue = 100000001.0;
constexpr double ShortValue = 0.1;
// The highest attenuation a design may ask for, in dB.
constexpr double MaxAttenuation = 100.0;

// How an arm's box shows it.
enum class ArmShown { Number, Open, Short };

struct Arm {
    double value = 0; // ohm; the PI network stores OpenValue and ShortValue in place
    ArmShown shown = ArmShown::Number;
};
using Arms = std::array<Arm, 3>;

struct AttenuatorInput {
    double z1 = 0;
    double z2 = 0;
    std::optional<double> attenuation; // typed, in dB; without it the minimum is used
    bool power = false;                // figures are power ratios, not voltage ratios
};

struct AttenuatorDesign {
    double attenuation = 0; // dB: as typed, or the minimum
    bool minimum = false;   // the attenuation is the computed minimum
    double ratio = 0;       // K
    Arms arms;
    double reverse = 0; // dB, signal fed in at the Z2 port with Z1 as the load
};

// The smallest power ratio that matches z1 to z2 (1 for equal impedances).
double MinPowerRatio(double z1, double z2);
// The attenuation figure of power ratio k between z1 and z2, and back.
double AttenuationDb(double k, double z1, double z2, bool power);
double PowerRatio(double db, double z1, double z2, bool power);

// The whole design for the given impedances and attenuation. Throws CalcError when Z1 is below
// Z2, the attenuation is above MaxAttenuation or below the minimum, or the arithmetic fails.
AttenuatorDesign DesignAttenuator(Network net, const AttenuatorInput& in);

// The arm value the series offers: arms below 0.1 ohm or above 1e8 ohm are kept, others become
// the nearest member of the series.
double SnapArm(double arm, Series series);

// What the network of snapped arms really does between the impedances of the design.
struct StandardNetwork {
    std::array<double, 3> arms{}; // snapped
    double z1 = 0;                // input resistance with Z2 as load
    double z2 = 0;                // output resistance with Z1 as source
    double attenuation = 0;       // dB
    double reverse = 0;           // dB
};

// `shownZ1` and `shownZ2` are the impedances as their boxes show them; the T network reads its
// power figure from those.
StandardNetwork StandardAttenuator(Network net, const AttenuatorInput& in, const Arms& arms,
                                   Series series, double shownZ1, double shownZ2);

} // namespace oq
