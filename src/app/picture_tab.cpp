#include "app/picture_tab.h"

#include "core/schematic_picture.h"

#include <QHBoxLayout>

namespace oq {

PictureTab::PictureTab(MainHost& host, const TabRow& row, QWidget* parent)
    : CalculatorTab(host, row, parent) {
    auto* layout = new QHBoxLayout(this);
    if (SchematicPicture* view = addPicture())
        layout->addWidget(view, 0, Qt::AlignCenter);
}

bool PictureTab::offersStandardValues() const {
    switch (tab_) {
    case TabPR:
    case TabPI:
    case TabT:
    case TabSR:
    case TabNO:
    case TabIO:
        return true;
    default:
        return false;
    }
}

// The rows each calculator will list; a built tab names its own.
PropertyRowNames PictureTab::propertyRowNames() const {
    const std::string standard = st_.StdValSelected ? " - Standard Value" : "";
    const int unknownMask = st_.UnknownMask[tab_];
    // A resistor that is the unknown of the chosen mode was computed, not snapped to the series.
    auto unless = [&](int mode) { return unknownMask == mode ? std::string() : standard; };

    switch (tab_) {
    case TabPR:
        return {"Resistor (R1 // R2)", "Resistor 1" + unless(1), "Resistor 2" + standard};
    case TabSR:
        return {"Resistor (R1 + R2)", "Resistor 1" + unless(1), "Resistor 2" + standard};
    case TabPI:
    case TabT:
        return {"Input Resistance",      "Output Resistance",     "Attenuation",
                "Resistor 1" + standard, "Resistor 2" + standard, "Resistor 3" + standard,
                "Reverse Attenuation"};
    case TabNC:
        return {};
    case TabDB1:
        return {"Times", "Percent", "dB"};
    case TabDB2: {
        static const char* const refs[] = {"dBm", "dBu", "dBV"};
        const int ref = st_.DB2Ref;
        // Under the dBV reference the tab hides its power box, so the window leaves it out too.
        return {ref >= 0 && ref <= 2 ? refs[ref] : refs[0], "RMS Voltage", "P-P Voltage",
                ref == 2 ? "" : "Power"};
    }
    case TabTR:
        return {"Rise Time", "Bandwidth", "System Tr", "Measured or Expected", "DUT Tr"};
    case TabCZ:
        return {"Frequency", "Capacitance", "Impedance"};
    case TabLZ:
        return {"Frequency", "Inductance", "Impedance"};
    case TabNO:
    case TabIO:
        return {"Resistor1" + unless(0), "Resistor2" + unless(1), "Resistor Sum", "Gain"};
    default:
        return {};
    }
}

} // namespace oq
