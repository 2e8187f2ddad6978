#pragma once

#include <QIcon>
#include <QString>

namespace orvane {

// The program's artwork: SVG files compiled in, the larger pictures also shipped as files.
class IconLibrary {
public:
    // High, Medium, Low, Done; a null icon for any other value.
    static QIcon Priority(int priority);
    static QIcon Alarm(bool set);
    // A toolbar picture by name: "new", "open", "save", "preview", "print", "about", "help".
    static QIcon Toolbar(const QString& name);
    // The program's picture, for the splash window and the about box.
    static QString PicturePath();
    // The transfer wizard's picture.
    static QString WizardPicturePath();
    // A picture shipped in the artwork folder beside the program or under the install
    // prefix (so it can be replaced there), else the built-in copy at builtIn.
    static QString Artwork(const char* fileName, const QString& builtIn);
};

}  // namespace orvane
