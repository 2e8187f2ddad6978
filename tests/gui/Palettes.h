#pragma once

#include <QPalette>

namespace orvane::test {

// A dark palette as many desktops and applications build one: the main roles set for every
// group, the rest (alternate base, tool tips, links) left as they were.
inline QPalette DarkPalette()
{
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, QColor(53, 53, 53)},      {QPalette::WindowText, Qt::white},
        {QPalette::Base, QColor(35, 35, 35)},        {QPalette::Text, Qt::white},
        {QPalette::Button, QColor(53, 53, 53)},      {QPalette::ButtonText, Qt::white},
        {QPalette::Highlight, QColor(42, 130, 218)}, {QPalette::HighlightedText, Qt::black},
    };
    for (const auto& [role, colour] : roles) {
        dark.setColor(role, colour);
    }
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return dark;
}

}  // namespace orvane::test
