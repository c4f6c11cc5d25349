#include "model/catalogue.h"

namespace oq {

const CalculatorEntry* FindCalculator(Catalogue catalogue, int index) {
    for (const CalculatorEntry& c : catalogue)
        if (c.index == index)
            return &c;
    return nullptr;
}

} // namespace oq
