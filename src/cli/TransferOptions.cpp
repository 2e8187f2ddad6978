#include "cli/TransferOptions.h"

#include <array>

namespace orvane::cli {

namespace {

constexpr std::array<const char*, 5> kSeparatorNames = {"comma", "semicolon", "pipe", "space",
                                                        "tab"};
constexpr std::array<const char*, 3> kEncloserNames = {"double", "single", "none"};

std::optional<RecordKind> KindNamed(const std::string& name)
{
    if (name == "persons") {
        return RecordKind::Persons;
    }
    if (name == "tasks") {
        return RecordKind::Tasks;
    }
    if (name == "appointments") {
        return RecordKind::Appointments;
    }
    return std::nullopt;
}

// The value of the choice whose name is given, in the order of the lists the wizard shows.
template <size_t N>
std::optional<std::string> Choice(const std::array<const char*, N>& names,
                                  const std::vector<TextFormat::Choice>& choices,
                                  const std::string& name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == names[i]) {
            return choices[i].value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> SplitAtCommas(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

// The value of "--name=value" or "--name value"; false when it is missing.
bool TakeValue(const std::vector<std::string>& arguments, size_t& i, std::string& value)
{
    const std::string& argument = arguments[i];
    if (const size_t equals = argument.find('='); equals != std::string::npos) {
        value = argument.substr(equals + 1);
        return true;
    }
    if (argument == "--no-header") {
        return true;
    }
    if (i + 1 >= arguments.size()) {
        return false;
    }
    value = arguments[++i];
    return true;
}

}  // namespace

std::optional<TransferOptions> TransferOptions::Parse(const std::vector<std::string>& arguments,
                                                      const std::string& listOption,
                                                      std::string& problem)
{
    TransferOptions options;
    std::vector<std::string> positional;
    bool hasList = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].starts_with("--")) {
            positional.push_back(arguments[i]);
            continue;
        }
        const std::string name = arguments[i].substr(0, arguments[i].find('='));
        if (name != listOption && name != "--separator" && name != "--encloser" &&
            name != "--no-header") {
            problem = "unknown option " + name;
            return std::nullopt;
        }
        std::string value;
        if (!TakeValue(arguments, i, value)) {
            problem = arguments[i] + " needs a value";
            return std::nullopt;
        }
        if (name == listOption) {
            options.list = SplitAtCommas(value);
            hasList = true;
        } else if (name == "--separator") {
            const auto separator = Choice(kSeparatorNames, TextFormat::SeparatorChoices(), value);
            if (!separator) {
                problem = "unknown separator " + value + " (comma, semicolon, pipe, space, tab)";
                return std::nullopt;
            }
            options.format.separator = *separator;
        } else if (name == "--encloser") {
            const auto encloser = Choice(kEncloserNames, TextFormat::EncloserChoices(), value);
            if (!encloser) {
                problem = "unknown encloser " + value + " (double, single, none)";
                return std::nullopt;
            }
            options.format.encloser = *encloser;
        } else {
            options.format.firstLineHasNames = false;
        }
    }
    if (positional.size() != 3) {
        problem =
            "expected TYPE DBFILE FILE, got " + std::to_string(positional.size()) + " arguments";
        return std::nullopt;
    }
    const auto kind = KindNamed(positional[0]);
    if (!kind) {
        problem = "unknown type " + positional[0] + " (tasks, persons, appointments)";
        return std::nullopt;
    }
    if (!hasList) {
        problem = listOption + " is required";
        return std::nullopt;
    }
    options.kind = *kind;
    options.database = positional[1];
    options.file = positional[2];
    return options;
}

const char* TransferOptions::FormatHelp()
{
    return "[--separator comma|semicolon|pipe|space|tab] [--encloser double|single|none] "
           "[--no-header]";
}

}  // namespace orvane::cli
