#include "model/checked.h"
#include "model/opamps.h"

#include <gtest/gtest.h>

namespace oq {
namespace {

// One network per amplifier, R1 = 10 k, R2 = 90 k: every unknown comes back from the others.
TEST(OpAmpFormulas, EachUnknownFromItsGivens) {
    struct Case {
        OpAmp kind;
        OpAmpValues all;
    };
    const Case cases[] = {
        {OpAmp::Inverting, {10000, 90000, 100000, 9}},
        {OpAmp::NonInverting, {10000, 90000, 100000, 10}},
    };
    for (const Case& c : cases) {
        for (int unknown = OpR1; unknown <= OpGain; ++unknown) {
            OpAmpValues given = c.all;
            if (unknown == OpBoth)
                given[OpR1] = given[OpR2] = 0;
            else
                given[unknown] = given[OpSum] = 0;
            const OpAmpValues solved = OpAmpSolve(c.kind, unknown, given);
            for (int b = 0; b < 4; ++b)
                EXPECT_NEAR(solved[b], c.all[b], 1e-9 * c.all[b]) << unknown << " box " << b;
        }
    }
}

TEST(OpAmpFormulas, NetworksThatCannotBeBuiltFail) {
    const OpAmp inv = OpAmp::Inverting, non = OpAmp::NonInverting;
    struct Case {
        OpAmp kind;
        int unknown;
        OpAmpValues given;
    };
    const Case cases[] = {
        {inv, OpR1, {0, 10000, 0, 0}},     // gain 0
        {inv, OpR2, {0, 0, 0, 5}},         // R1 of 0
        {inv, OpBoth, {0, 0, 0, 10}},      // sum of 0
        {inv, OpGain, {0, 47000, 0, 0}},   // R1 of 0
        {non, OpR1, {0, 10000, 0, 1}},     // gain 1: division by zero
        {non, OpR1, {0, 10000, 0, 0.5}},   // gain below 1, R1 would be negative
        {non, OpR2, {10000, 0, 0, 1}},     // R2 of 0
        {non, OpBoth, {0, 0, 100000, 1}},  // R2 of 0
        {non, OpBoth, {0, 0, 100000, .5}}, // R2 negative
        {non, OpGain, {10000, 0, 0, 0}},   // R2 of 0: gain 1
        {inv, OpR2, {1e200, 0, 0, 1e200}}, // overflow
    };
    for (const Case& c : cases)
        EXPECT_THROW(OpAmpSolve(c.kind, c.unknown, c.given), CalcError)
            << static_cast<int>(c.kind) << " unknown " << c.unknown;
    // A gain of 0 is a network of its own on the inverting amplifier.
    EXPECT_EQ(OpAmpSolve(inv, OpR2, {10000, 0, 0, 0})[OpSum], 10000);
    // A zero resistor never reaches the division of the gain with standard values either.
    EXPECT_THROW(OpAmpStandard(inv, OpR2, {0, 0, 0, 5}, [](double v) { return v; }), CalcError);
}

} // namespace
} // namespace oq
