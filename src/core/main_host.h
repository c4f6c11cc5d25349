#pragma once

namespace oq {

class CalculatorTab;
class Platform;
struct SharedState;

// What a tab needs from the main window.
class MainHost {
  public:
    virtual ~MainHost() = default;
    virtual SharedState& state() = 0;
    virtual Platform& platform() = 0;
    virtual int currentTab() const = 0;
    // Another calculator's tab, built if it was not yet; nullptr when the window has none.
    virtual CalculatorTab* tab(int index) = 0;
    // The small windows, opened modally over the main window.
    virtual void openHelp() = 0;
    virtual void openAbout() = 0;
    virtual void openDecimals() = 0;
    virtual void openProperties() = 0;
};

} // namespace oq
