#include "platform/DateTextParser.h"

#include <cctype>
#include <string>
#include <vector>

#include "platform/CivilCalendar.h"

namespace orvane {

namespace {

enum class TokenKind { Number, Month, Marker, Weekday };

struct Token {
    TokenKind kind;
    int value;   // number, month 1-12, marker 0 am / 1 pm
    int digits;  // for numbers
    char after;  // the separator that follows (' ' for none or white space)
};

bool IsLetter(unsigned char c)
{
    return std::isalpha(c) || c >= 128;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool MatchesName(const std::string& word, const std::string& full, const std::string& shortName)
{
    const std::string f = Lower(full);
    if (word == f || word == Lower(shortName)) {
        return true;
    }
    return word.size() >= 3 && f.compare(0, word.size(), word) == 0;
}

std::optional<Token> ClassifyWord(std::string_view text, const LocaleNames& names)
{
    std::string word = Lower(text);
    if (!word.empty() && word.back() == '.') {
        word.pop_back();
    }
    for (int m = 0; m < 12; ++m) {
        if (MatchesName(word, names.months[m], names.monthsShort[m])) {
            return Token{TokenKind::Month, m + 1, 0, ' '};
        }
    }
    const std::string am = Lower(names.am), pm = Lower(names.pm);
    if (word == am || (!am.empty() && word == am.substr(0, 1))) {
        return Token{TokenKind::Marker, 0, 0, ' '};
    }
    if (word == pm || (!pm.empty() && word == pm.substr(0, 1))) {
        return Token{TokenKind::Marker, 1, 0, ' '};
    }
    for (int d = 0; d < 7; ++d) {
        if (MatchesName(word, names.days[d], names.daysShort[d])) {
            return Token{TokenKind::Weekday, d, 0, ' '};
        }
    }
    return std::nullopt;
}

bool IsSeparator(char c)
{
    return c == '/' || c == '-' || c == '.' || c == ',' || c == ':' ||
           std::isspace(static_cast<unsigned char>(c));
}

std::optional<std::vector<Token>> Tokenize(std::string_view text, const LocaleNames& names)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsSeparator(static_cast<char>(c))) {
            if (!tokens.empty() && tokens.back().after == ' ' && !std::isspace(c)) {
                tokens.back().after = static_cast<char>(c);
            }
            ++i;
            continue;
        }
        const size_t start = i;
        if (std::isdigit(c)) {
            long value = 0;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                if (value < 100000) {
                    value = value * 10 + (text[i] - '0');
                }
                ++i;
            }
            tokens.push_back(
                {TokenKind::Number, static_cast<int>(value), static_cast<int>(i - start), ' '});
            continue;
        }
        if (!IsLetter(c)) {
            return std::nullopt;
        }
        while (i < text.size() && IsLetter(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        if (i < text.size() && text[i] == '.') {
            ++i;  // "Dec." and "p.m." style abbreviations
        }
        auto word = ClassifyWord(text.substr(start, i - start), names);
        if (!word) {
            return std::nullopt;
        }
        tokens.push_back(*word);
    }
    return tokens;
}

int ExpandYear(int value, int digits)
{
    if (digits <= 2) {
        return value < 30 ? 2000 + value : 1900 + value;
    }
    return value;
}

bool ValidDate(int year, int month, int day)
{
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= CivilCalendar::DaysInMonth(year, month);
}

// The order of day, month and year in the locale's short date picture, as "MDY" etc.
std::string FieldOrder(const std::string& picture)
{
    std::string order;
    bool quoted = false;
    for (char c : picture) {
        if (c == '\'') {
            quoted = !quoted;
            continue;
        }
        const char field = c == 'd' ? 'D' : c == 'M' ? 'M' : c == 'y' ? 'Y' : 0;
        if (!quoted && field && order.find(field) == std::string::npos) {
            order += field;
        }
    }
    return order.size() == 3 ? order : "MDY";
}

bool AssignNumeric(const std::vector<Token>& nums, const std::string& order, int currentYear,
                   DateTextParser::Result& r)
{
    if (nums.size() == 3 && nums[0].digits >= 3) {  // ISO: year first
        r.year = nums[0].value;
        r.month = nums[1].value;
        r.day = nums[2].value;
        return ValidDate(r.year, r.month, r.day);
    }
    std::string fields = order;
    if (nums.size() == 2) {
        fields.erase(fields.find('Y'), 1);
    }
    auto assign = [&](const std::string& f) {
        r.year = currentYear;
        for (size_t k = 0; k < nums.size(); ++k) {
            if (f[k] == 'D') {
                r.day = nums[k].value;
            } else if (f[k] == 'M') {
                r.month = nums[k].value;
            } else {
                r.year = ExpandYear(nums[k].value, nums[k].digits);
            }
        }
        return ValidDate(r.year, r.month, r.day);
    };
    if (assign(fields)) {
        return true;
    }
    std::string swapped = fields;
    const size_t d = swapped.find('D'), m = swapped.find('M');
    std::swap(swapped[d], swapped[m]);
    return assign(swapped);
}

bool AssignWithMonthName(const std::vector<Token>& nums, int month, int currentYear,
                         DateTextParser::Result& r)
{
    r.month = month;
    r.year = currentYear;
    r.day = 1;
    if (nums.size() == 1) {
        if (nums[0].value > 31 || nums[0].digits >= 3) {
            r.year = ExpandYear(nums[0].value, nums[0].digits);
        } else {
            r.day = nums[0].value;
        }
    } else if (nums.size() == 2) {
        const bool yearFirst = nums[0].value > 31 || nums[0].digits >= 3;
        const Token& day = yearFirst ? nums[1] : nums[0];
        const Token& year = yearFirst ? nums[0] : nums[1];
        r.day = day.value;
        r.year = ExpandYear(year.value, year.digits);
    } else if (nums.size() > 2) {
        return false;
    }
    return ValidDate(r.year, r.month, r.day);
}

bool AssignTime(const std::vector<Token>& parts, int marker, DateTextParser::Result& r)
{
    r.hour = parts[0].value;
    r.minute = parts.size() > 1 ? parts[1].value : 0;
    r.second = parts.size() > 2 ? parts[2].value : 0;
    if (r.minute > 59 || r.second > 59) {
        return false;
    }
    if (marker >= 0) {
        if (r.hour > 12) {
            return false;
        }
        if (marker == 1 && r.hour < 12) {
            r.hour += 12;
        } else if (marker == 0 && r.hour == 12) {
            r.hour = 0;
        }
    }
    return r.hour <= 23;
}

}  // namespace

std::optional<DateTextParser::Result> DateTextParser::Parse(std::string_view text,
                                                            const LocaleNames& names,
                                                            int currentYear)
{
    auto tokens = Tokenize(text, names);
    if (!tokens || tokens->empty()) {
        return std::nullopt;
    }
    std::vector<Token> dateNumbers, timeParts;
    int month = 0, marker = -1;
    for (size_t i = 0; i < tokens->size(); ++i) {
        const Token& t = (*tokens)[i];
        if (t.kind == TokenKind::Month) {
            if (month) {
                return std::nullopt;
            }
            month = t.value;
        } else if (t.kind == TokenKind::Marker) {
            if (marker >= 0 || (timeParts.empty() && dateNumbers.empty())) {
                return std::nullopt;
            }
            if (timeParts.empty()) {  // "10 am": the number before the marker is the hour
                timeParts.push_back(dateNumbers.back());
                dateNumbers.pop_back();
            }
            marker = t.value;
        } else if (t.kind == TokenKind::Number) {
            const bool inTime = t.after == ':' || (i > 0 && (*tokens)[i - 1].after == ':');
            if (inTime) {
                if (marker >= 0 || timeParts.size() == 3) {
                    return std::nullopt;
                }
                timeParts.push_back(t);
            } else {
                if (!timeParts.empty()) {
                    return std::nullopt;  // a date after the time
                }
                dateNumbers.push_back(t);
            }
        }
    }
    Result r;
    if (!timeParts.empty()) {
        r.hasTime = true;
        if (!AssignTime(timeParts, marker, r)) {
            return std::nullopt;
        }
    }
    if (month) {
        r.hasDate = AssignWithMonthName(dateNumbers, month, currentYear, r);
        if (!r.hasDate) {
            return std::nullopt;
        }
    } else if (dateNumbers.size() >= 2 && dateNumbers.size() <= 3) {
        r.hasDate = AssignNumeric(dateNumbers, FieldOrder(names.shortDate), currentYear, r);
        if (!r.hasDate) {
            return std::nullopt;
        }
    } else if (!dateNumbers.empty()) {
        return std::nullopt;
    }
    if (!r.hasDate && !r.hasTime) {
        return std::nullopt;
    }
    return r;
}

}  // namespace orvane
