#pragma once

#include <string>

namespace orvane {

// The user's folders as the XDG base directory rules name them.
class UserFolders {
public:
    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share (the home folder from
    // the password database when HOME is unset or empty).
    static std::string DataHome();
    // The program's own folder under DataHome(): "Kestrow/Orvane!/<what>".
    static std::string ProgramData(const std::string& what);
};

}  // namespace orvane
