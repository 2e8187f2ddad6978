#pragma once

#include <string>
#include <vector>

namespace orvane {

// The menu bar, the key bindings and the status-bar texts of every command.
class CommandTable {
public:
    struct MenuEntry {
        enum class Kind { Command, Separator, Submenu };
        Kind kind = Kind::Command;
        int id = 0;                       // commands only
        std::string text;                 // with its mnemonic
        std::string shortcut;             // portable key text, e.g. "Ctrl+N"; empty for none
        std::vector<MenuEntry> children;  // submenus only
    };
    struct KeyBinding {
        int id;
        std::string shortcut;
    };

    // The top-level menus, in order, each a submenu entry.
    static const std::vector<MenuEntry>& MenuBar();
    // Bindings that no menu item shows; their commands do nothing outside text boxes.
    static const std::vector<KeyBinding>& ExtraKeys();
    // Keys of the print preview, live only while it shows: leave it, turn the pages.
    static const std::vector<KeyBinding>& PreviewKeys();

    // The first half of the command's string: shown in the status bar while hovered.
    static std::string StatusText(int id);
    // The second half: the tooltip. Empty when the command has none.
    static std::string Tooltip(int id);
    // "Ready", shown while nothing is hovered.
    static std::string ReadyText();

private:
    static std::string String(int id);
};

}  // namespace orvane
