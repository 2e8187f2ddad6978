#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A help address taken apart and matched to the pages shipped with the program.
// "<dir>\Orvane.chm::/html/<page>><window>" names a page; "<dir>\Orvane.chm" the file alone.
class HelpLocation {
public:
    struct Parts {
        std::string directory;  // the program folder the address was formed with
        std::string file;       // "Orvane.chm"
        std::string page;       // "html/calendar.htm"; empty for the file alone
        std::string window;     // "topic", "mainwin" or empty
    };

    // Nothing when the address is not in the help file's notation.
    static std::optional<Parts> Parse(std::string_view address);

    // The first existing file for the page: <root>/<page> for each root in turn, where the
    // first root is normally the address's own directory. Nothing when none exists.
    static std::optional<std::string> FindPage(const Parts& parts,
                                               const std::vector<std::string>& roots);
};

}  // namespace orvane
