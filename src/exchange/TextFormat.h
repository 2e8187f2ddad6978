#pragma once

#include <string>
#include <vector>

namespace orvane {

// How a delimited file is laid out: the separator between fields, the character that
// encloses a field (empty for none) and whether the first line names the fields.
struct TextFormat {
    // One entry of the separator or encloser list: the text the user sees and the
    // character(s) it stands for.
    struct Choice {
        std::string label;
        std::string value;
    };

    std::string separator = ",";
    std::string encloser = "\"";
    bool firstLineHasNames = true;

    // The lists in the order they are offered; the first entry of each is preselected.
    static const std::vector<Choice>& SeparatorChoices();
    static const std::vector<Choice>& EncloserChoices();
    static const char* FirstLineHasNamesLabel();
};

}  // namespace orvane
