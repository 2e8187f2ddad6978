#pragma once

#include <QIcon>
#include <QString>

namespace orvane {

// The program's artwork, compiled in from SVG files.
class IconLibrary {
public:
    // High, Medium, Low, Done; a null icon for any other value.
    static QIcon Priority(int priority);
    static QIcon Alarm(bool set);
    // A toolbar picture by name: "new", "open", "save", "preview", "print", "about", "help".
    static QIcon Toolbar(const QString& name);
    // The program's picture, for the splash window and the about box.
    static QString PicturePath();
};

}  // namespace orvane
