#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The folder of the running program, without a trailing separator; help pages and the
// default alarm sound are looked for there.
class ProgramDirectory {
public:
    // From /proc/self/exe; empty when the link cannot be read.
    static std::string Current();
    // The folder part of an executable's path ("/opt/a b/orvane" gives "/opt/a b").
    static std::string FromExecutable(std::string_view executablePath);
    // A bare or relative file name taken as lying in directory; absolute paths stay.
    static std::string Beside(std::string_view directory, std::string_view path);
};

}  // namespace orvane
