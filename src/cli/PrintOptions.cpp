#include "cli/PrintOptions.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <map>

namespace orvane::cli {

namespace {

const std::map<std::string, ReportKind> kKinds = {
    {"daily-plan", ReportKind::DailyPlan},
    {"daily-tasks", ReportKind::DailyTasks},
    {"daily-appointments", ReportKind::DailyAppointments},
    {"address-book", ReportKind::AddressBook},
    {"envelopes", ReportKind::Envelopes},
};

// A whole decimal number, nothing before or after it.
std::optional<long> Number(std::string_view text)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool ParseDate(const std::string& text, PrintOptions& options)
{
    const std::vector<std::string> parts = Split(text, '-');
    if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() != 2 || parts[2].size() != 2) {
        return false;
    }
    const auto year = Number(parts[0]), month = Number(parts[1]), day = Number(parts[2]);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
        return false;
    }
    options.year = static_cast<int>(*year);
    options.month = static_cast<int>(*month);
    options.day = static_cast<int>(*day);
    return true;
}

bool ParsePersons(const std::string& text, PrintOptions& options)
{
    if (text == "all") {
        options.allPersons = true;
        options.personIds.clear();
        return true;
    }
    options.allPersons = false;
    for (const std::string& part : Split(text, ',')) {
        const auto id = Number(part);
        if (!id || *id < 0 || *id > INT32_MAX) {
            return false;
        }
        options.personIds.push_back(static_cast<int32_t>(*id));
    }
    return true;
}

bool ParseMargins(const std::string& text, Rect& margins)
{
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() != 4) {
        return false;
    }
    int values[4];
    for (size_t i = 0; i < 4; ++i) {
        const auto value = Number(parts[i]);
        // Up to 20 inches each: more leaves no page on any paper.
        if (!value || *value < 0 || *value > 20000) {
            return false;
        }
        values[i] = static_cast<int>(*value);
    }
    margins = Rect{values[0], values[1], values[2], values[3]};
    return true;
}

bool IsPaperName(const std::string& name)
{
    return std::find_if(std::begin(PrintOptions::kPaperNames), std::end(PrintOptions::kPaperNames),
                        [&](const char* known) { return name == known; }) !=
           std::end(PrintOptions::kPaperNames);
}

// Applies one option with its value; the problem when the value is bad.
std::string ApplyValue(const std::string& option, const std::string& value, PrintOptions& options)
{
    if (option == "--pdf") {
        options.pdf = value;
    } else if (option == "--date") {
        if (!ParseDate(value, options)) {
            return "bad date \"" + value + "\" (YYYY-MM-DD)";
        }
    } else if (option == "--persons") {
        if (!ParsePersons(value, options)) {
            return "bad person list \"" + value + "\" (all or ID,ID,...)";
        }
    } else if (option == "--font") {
        if (value.empty()) {
            return "empty font name";
        }
        options.settings.face = value;
    } else if (option == "--size") {
        const auto size = Number(value);
        if (!size || *size < 1 || *size > 200) {
            return "bad point size \"" + value + "\" (1 to 200)";
        }
        options.settings.pointSize = static_cast<int>(*size);
    } else if (option == "--margins") {
        if (!ParseMargins(value, options.settings.margins)) {
            return "bad margins \"" + value + "\" (L,T,R,B in thousandths of an inch)";
        }
    } else if (option == "--paper") {
        if (!IsPaperName(value)) {
            return "unknown paper \"" + value + "\"";
        }
        options.paper = value;
    } else {
        return "unknown option \"" + option + "\"";
    }
    return {};
}

}  // namespace

std::optional<PrintOptions> PrintOptions::Parse(const std::vector<std::string>& arguments,
                                                std::string& problem)
{
    PrintOptions options;
    std::vector<std::string> positional;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--yellow-pages") {
            options.yellowPages = true;
        } else if (argument == "--landscape") {
            options.landscape = true;
        } else if (argument.rfind("--", 0) == 0) {
            if (i + 1 >= arguments.size()) {
                problem = argument + " needs a value";
                return std::nullopt;
            }
            problem = ApplyValue(argument, arguments[++i], options);
            if (!problem.empty()) {
                return std::nullopt;
            }
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) {
        problem = "expected REPORT and DBFILE";
        return std::nullopt;
    }
    const auto kind = kKinds.find(positional[0]);
    if (kind == kKinds.end()) {
        problem = "unknown report \"" + positional[0] + "\"";
        return std::nullopt;
    }
    options.kind = kind->second;
    options.database = positional[1];
    if (options.pdf.empty()) {
        problem = "--pdf OUTFILE is required";
        return std::nullopt;
    }
    return options;
}

std::string PrintOptions::Usage()
{
    std::string reports, papers;
    for (const char* name : kReportNames) {
        reports += (reports.empty() ? "" : "|") + std::string(name);
    }
    for (const char* name : kPaperNames) {
        papers += (papers.empty() ? "" : "|") + std::string(name);
    }
    return "orvane-cli print " + reports +
           " DBFILE --pdf OUTFILE [--date YYYY-MM-DD] [--persons all|ID,ID,...]"
           " [--yellow-pages] [--font FACE] [--size N] [--margins L,T,R,B] [--paper " +
           papers + "] [--landscape]";
}

}  // namespace orvane::cli
