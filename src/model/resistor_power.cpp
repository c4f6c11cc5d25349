#include "model/resistor_power.h"

#include "model/checked.h"

namespace oq {

namespace {
constexpr int Bit(int box) {
    return 1 << box;
}
} // namespace

std::array<int, 2> PowerUnknowns(int given) {
    switch (given) {
    case Bit(PowerU) | Bit(PowerR):
        return {PowerI, PowerP};
    case Bit(PowerU) | Bit(PowerI):
        return {PowerR, PowerP};
    case Bit(PowerR) | Bit(PowerI):
        return {PowerU, PowerP};
    case Bit(PowerU) | Bit(PowerP):
        return {PowerR, PowerI};
    case Bit(PowerR) | Bit(PowerP):
        return {PowerU, PowerI};
    case Bit(PowerI) | Bit(PowerP):
        return {PowerR, PowerU};
    default:
        return {-1, -1};
    }
}

double PowerQuantity(int given, int wanted, const PowerValues& v) {
    const double u = v[PowerU], r = v[PowerR], i = v[PowerI], p = v[PowerP];
    const bool hasU = given & Bit(PowerU), hasR = given & Bit(PowerR), hasI = given & Bit(PowerI);
    switch (wanted) {
    case PowerU: // from R and I, R and P, or I and P
        if (hasR && hasI)
            return Mul(r, i);
        return hasR ? Sqrt(Mul(p, r)) : Div(p, i);
    case PowerR: // from U and I, U and P, or I and P
        if (hasU && hasI)
            return Div(u, i);
        return hasU ? Div(Pow(u, 2.0), p) : Div(p, Pow(i, 2.0));
    case PowerI: // from U and R, U and P, or R and P
        if (hasU && hasR)
            return Div(u, r);
        return hasU ? Div(p, u) : Sqrt(Div(p, r));
    default: // P from U and R, U and I, or R and I
        if (hasU && hasR)
            return Div(Pow(u, 2.0), r);
        return hasU ? Mul(u, i) : Mul(Pow(i, 2.0), r);
    }
}

} // namespace oq
