#pragma once

#include <QRect>

class QWidget;

namespace oq {

class SettingsStore;

// Where the main window stood and how large it was, kept between runs in the "Window" section of
// the settings file: Left, Top, Width, Height.
class WindowPlacement {
  public:
    // Reads what the last run left; nothing when a key is missing or damaged.
    explicit WindowPlacement(SettingsStore& store);

    // Puts the window back where it was, when that lies wholly on one of the screens now there:
    // a screen taken away or made smaller since would leave it out of reach.
    void restore(QWidget& window);
    // The window is on the screen: where it stands now is where this run started.
    void shown(const QWidget& window);
    // Writes the window's place and size when the user moved or resized it during the run, each
    // key only when it differs from what was read: a user who never moves the window finds
    // nothing written. A maximized, minimized or full-screen window keeps the place it had as a
    // normal one.
    void save(const QWidget& window);

  private:
    SettingsStore& store_;
    int saved_[4] = {}; // left, top, width, height, as read
    bool known_[4] = {};
    QRect start_; // where the window stood when the run began; null until it is known
};

} // namespace oq
