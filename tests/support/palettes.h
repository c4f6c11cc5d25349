#pragma once

#include <QColor>
#include <QPalette>

namespace oq {

// A light and a dark desktop theme, as a user's desktop may hand them to the program.
inline QPalette LightPalette() {
    QPalette p(QColor(0xef, 0xef, 0xef));
    p.setColor(QPalette::WindowText, QColor(0x10, 0x10, 0x10));
    p.setColor(QPalette::Text, QColor(0x10, 0x10, 0x10));
    return p;
}

inline QPalette DarkPalette() {
    const QColor window(0x2b, 0x2d, 0x31), text(0xe4, 0xe6, 0xea), base(0x1e, 0x1f, 0x22);
    QPalette p(QColor(0x3a, 0x3d, 0x42), window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Highlight, QColor(0x35, 0x74, 0xc4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x82, 0x86));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x82, 0x86));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x82, 0x86));
    return p;
}

} // namespace oq
