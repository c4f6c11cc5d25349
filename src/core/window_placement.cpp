#include "core/window_placement.h"

#include "model/settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <charconv>
#include <string>

namespace oq {

namespace {

const std::string Group = "Window";
const char* const Keys[4] = {"Left", "Top", "Width", "Height"};

} // namespace

WindowPlacement::WindowPlacement(SettingsStore& store)
    : store_(store) {
    for (int i = 0; i < 4; ++i) {
        const std::string text = store_.readIn(Group, Keys[i], "");
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, saved_[i]);
        known_[i] = !text.empty() && error == std::errc() && stop == end;
    }
}

void WindowPlacement::restore(QWidget& window) {
    for (bool known : known_)
        if (!known)
            return;
    const QRect place(saved_[0], saved_[1], saved_[2], saved_[3]);
    if (place.width() <= 0 || place.height() <= 0)
        return;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(place)) {
            window.resize(place.size());
            window.move(place.topLeft());
            start_ = place;
            return;
        }
    }
}

void WindowPlacement::shown(const QWidget& window) {
    if (start_.isNull())
        start_ = QRect(window.pos(), window.size());
}

void WindowPlacement::save(const QWidget& window) {
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    if (start_.isNull() || QRect(window.pos(), window.size()) == start_)
        return;
    const int now[4] = {window.x(), window.y(), window.width(), window.height()};
    for (int i = 0; i < 4; ++i) {
        if (known_[i] && saved_[i] == now[i])
            continue;
        store_.writeIn(Group, Keys[i], std::to_string(now[i]));
        saved_[i] = now[i];
        known_[i] = true;
    }
}

} // namespace oq
