#pragma once

#include "calculators/resistors/standard_values.h"
#include "core/calculator_tab.h"
#include "model/attenuators.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oq {

// A resistive attenuator that matches a source impedance Z1 to a load Z2: the user types the
// impedances and, optionally, the attenuation; the tab shows the smallest attenuation possible,
// the three arms and the attenuation backwards. The PI-net and the T-net tabs are this class
// with their network; each can hand its impedances and attenuation over to the other.
class AttenuatorTab : public CalculatorTab {
    Q_OBJECT
  public:
    // Boxes.
    enum Box { Z1 = 0, Z2 = 1, Attenuation = 2, R1 = 3, R2 = 4, R3 = 5, Reverse = 6 };
    static constexpr int BoxCount = 7;

    AttenuatorTab(MainHost& host, const TabRow& row, Network network, QWidget* parent = nullptr);

    Network network() const { return network_; }

    void Text_Change(int index);
    void Option_VP_Click();
    void Command_MinAtt_Click();
    void Command_Clear_Click();
    void EnableStd(bool enable);

    void enterTab(int previousTab) override;
    void boxDoubleClick(int index) override;
    void boxRightClick(int index, int modifiers) override;

  protected:
    bool standardRow(int index) const override { return index >= R1 && index <= R3; }

  private:
    bool filled(int index) const;
    bool power() const;
    void emptyBoxPath(int index);
    void calculate(int index);
    void failed(int index);
    void updateClear();
    void showArm(int index, const Arm& arm);
    // Writes a number as typed, so that the tab computes from it, then shows it formatted.
    void reenter(int index, double v);
    // The twin tab, when it is built.
    AttenuatorTab* twin() const;
    bool sameDesignAs(const AttenuatorTab& other) const;
    void copyFrom(AttenuatorTab& source);
    // An arm whose box shows its value: the one the series snaps and that the decimals follow.
    bool armOnShow(int index) const;
    void showStandard();
    void showTyped();

    const Network network_;
    std::array<QRadioButton*, 2> reading_{}; // Voltage, Power
    std::array<ArmShown, 3> armShown_{ArmShown::Number, ArmShown::Number, ArmShown::Number};
    QPushButton* minAtt_ = nullptr;
    QCheckBox* copy_ = nullptr;
    QLabel* wrongValue_ = nullptr;
    QPushButton* clear_ = nullptr;
    StandardValues std_;
};

class PiNetTab : public AttenuatorTab {
    Q_OBJECT
  public:
    PiNetTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr)
        : AttenuatorTab(host, row, Network::Pi, parent) {}
};

class TNetTab : public AttenuatorTab {
    Q_OBJECT
  public:
    TNetTab(MainHost& host, const TabRow& row, QWidget* parent = nullptr)
        : AttenuatorTab(host, row, Network::T, parent) {}
};

} // namespace oq
