#include "model/checked.h"
#include "model/resistor_power.h"
#include "model/voltage_divider.h"

#include <gtest/gtest.h>

namespace oq {
namespace {

// U = 10 V, R = 5 ohm, I = 2 A, P = 20 W: every pair gives the other two, in the written order.
TEST(ResistorPowerFormulas, EveryPairGivesTheOtherTwoInOrder) {
    const PowerValues all = {10, 5, 2, 20};
    struct Case {
        int given;
        std::array<int, 2> order;
    };
    const Case cases[] = {
        {0b0011, {PowerI, PowerP}}, {0b0101, {PowerR, PowerP}}, {0b0110, {PowerU, PowerP}},
        {0b1001, {PowerR, PowerI}}, {0b1010, {PowerU, PowerI}}, {0b1100, {PowerR, PowerU}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PowerUnknowns(c.given), c.order) << c.given;
        PowerValues typed{};
        for (int b = 0; b < 4; ++b)
            typed[b] = c.given & 1 << b ? all[b] : 0;
        for (int wanted : c.order)
            EXPECT_DOUBLE_EQ(PowerQuantity(c.given, wanted, typed), all[wanted]) << c.given;
    }
    for (int notTwo : {0b0000, 0b0001, 0b0111, 0b1111})
        EXPECT_EQ(PowerUnknowns(notTwo), (std::array<int, 2>{-1, -1}));
}

TEST(ResistorPowerFormulas, ZeroDivisorsAndOverflowFail) {
    EXPECT_THROW(PowerQuantity(0b0011, PowerI, {12, 0, 0, 0}), CalcError);
    EXPECT_THROW(PowerQuantity(0b1100, PowerR, {0, 0, 0, 5}), CalcError);
    EXPECT_THROW(PowerQuantity(0b0011, PowerP, {1e200, 1e-200, 0, 0}), CalcError);
}

// U = 12 V, U1 = 4 V, R1 = 2000, R2 = 1000, sum 3000.
TEST(DividerFormulas, EachUnknownFromTheOthers) {
    const DividerValues v = {12, 4, 2000, 1000, 3000};
    for (int unknown : {DivU, DivU1, DivR1, DivR2})
        EXPECT_DOUBLE_EQ(DividerUnknown(unknown, v), v[unknown]) << unknown;
    EXPECT_DOUBLE_EQ(DividerUnknown(DivBoth, v), 1000); // R2 from the sum
    // Equal voltages: R2 of 0 exactly, no residue below zero.
    EXPECT_EQ(DividerUnknown(DivR1, {5, 5, 0, 1000, 0}), 0.0);
    EXPECT_THROW(DividerUnknown(DivR2, {5, 5, 1000, 0, 0}), CalcError);
    EXPECT_THROW(DividerUnknown(DivU, {0, 4, 1000, 0, 0}), CalcError);
}

} // namespace
} // namespace oq
