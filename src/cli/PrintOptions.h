#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reports/PrintSettings.h"
#include "reports/ReportKind.h"

namespace orvane::cli {

// The arguments of "orvane-cli print REPORT DBFILE --pdf OUTFILE [options]".
struct PrintOptions {
    ReportKind kind = ReportKind::None;
    std::string database;
    std::string pdf;
    // The selected day; none: today.
    std::optional<int> year, month, day;
    bool allPersons = true;
    std::vector<int32_t> personIds;
    bool yellowPages = false;
    PrintSettings settings;
    std::string paper = "letter";
    bool landscape = false;  // envelopes are fed long edge first

    static constexpr const char* kReportNames[] = {
        "daily-plan", "daily-tasks", "daily-appointments", "address-book", "envelopes"};
    static constexpr const char* kPaperNames[] = {
        "letter", "legal", "executive", "a3", "a4", "a5", "b5", "envelope-10", "envelope-dl"};

    // The options, or nothing with the problem described.
    static std::optional<PrintOptions> Parse(const std::vector<std::string>& arguments,
                                             std::string& problem);
    static std::string Usage();
};

}  // namespace orvane::cli
