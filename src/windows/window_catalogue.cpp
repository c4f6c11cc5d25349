#include "windows/window_catalogue.h"

#include "model/notation.h"

#include <algorithm>

namespace oq {

const std::array<float, DecimalsOptionCount> DecimalsOptionCodes = {
    1.0f, 1.1f, 1.2f, 1.3f, 1.4f, 1.5f, 1.6f, 0.0f, 103.0f, 104.0f, 105.0f, 106.0f, 107.0f,
};

float DecimalsCodeOfOption(int option) {
    if (option < 0 || option >= DecimalsOptionCount)
        return 0.0f;
    return DecimalsOptionCodes[static_cast<size_t>(option)];
}

int DecimalsOptionOfCode(float code) {
    for (int i = 0; i < DecimalsOptionCount; ++i)
        if (DecimalsOptionCodes[static_cast<size_t>(i)] == code)
            return i;
    return -1;
}

std::string DecimalsBoxName(int tab, int box, Catalogue catalogue) {
    const CalculatorEntry* c = FindCalculator(catalogue, tab);
    if (!c || box < 0 || box >= c->boxCount)
        return {};
    const char* name = c->boxes[static_cast<size_t>(box)].decimalsName;
    return name ? name : "";
}

std::string ValueText(double v) {
    std::string text = NumberText(v);
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    if (!text.empty() && text.front() == '.')
        text.insert(text.begin(), '0');
    return text;
}

} // namespace oq
