#include "platform/ConfigFileSettings.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

#include "platform/TextDecoding.h"

namespace orvane {

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Group and value names: QSettings writes other characters than letters, digits and "-_."
// as %XX (the character's code) or %UXXXX, and the "/" of a value in a subgroup as "\".
std::string Unescaped(const std::string& name)
{
    const auto code = [&name](size_t from, size_t digits) {
        return static_cast<char32_t>(std::strtoul(name.substr(from, digits).c_str(), nullptr, 16));
    };
    std::string plain;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 5 < name.size() && name[i + 1] == 'U') {
            TextDecoding::AppendUtf8(plain, code(i + 2, 4));
            i += 5;
        } else if (name[i] == '%' && i + 2 < name.size()) {
            TextDecoding::AppendUtf8(plain, code(i + 1, 2));
            i += 2;
        } else {
            plain += name[i] == '\\' ? '/' : name[i];
        }
    }
    return plain;
}

// As QSettings takes a key: no leading, trailing or doubled "/".
std::string Normalised(const std::string& name)
{
    std::string key;
    for (const char c : name) {
        if (c != '/' || (!key.empty() && key.back() != '/')) {
            key += c;
        }
    }
    if (!key.empty() && key.back() == '/') {
        key.pop_back();
    }
    return key;
}

// A value as QSettings writes it: double quotes keep spaces and are not part of the value;
// a backslash escapes anywhere (quote, backslash, \n and the other C letters, \x with hex
// digits, \0 octal).
std::string Unquoted(const std::string& value)
{
    static const std::string kControls = "a\ab\bf\fn\nr\rt\tv\v";
    std::string plain;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '"') {
            continue;
        }
        if (c != '\\' || i + 1 == value.size()) {
            plain += c;
            continue;
        }
        const char escaped = value[++i];
        const bool hex = escaped == 'x';
        if (hex || (escaped >= '0' && escaped <= '7')) {
            char32_t code = hex ? 0 : static_cast<char32_t>(escaped - '0');
            const size_t first = i;
            while (i + 1 < value.size() && i - first < (hex ? 4u : 2u) &&
                   std::isxdigit(static_cast<unsigned char>(value[i + 1])) &&
                   (hex || (value[i + 1] >= '0' && value[i + 1] <= '7'))) {
                const char d = value[++i];
                code = code * (hex ? 16 : 8) +
                       static_cast<char32_t>(std::isdigit(static_cast<unsigned char>(d))
                                                 ? d - '0'
                                                 : (d | 0x20) - 'a' + 10);
            }
            TextDecoding::AppendUtf8(plain, code);
            continue;
        }
        const size_t control = kControls.find(escaped);
        plain +=
            control != std::string::npos && control % 2 == 0 ? kControls[control + 1] : escaped;
    }
    return plain;
}

}  // namespace

ConfigFileSettings::ConfigFileSettings(const std::string& path)
{
    std::ifstream in(path);
    m_available = static_cast<bool>(in);
    std::string line;
    std::string group;
    while (std::getline(in, line)) {
        ReadLine(Trimmed(line), group);
    }
}

std::string ConfigFileSettings::UserFile()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string folder = config && config[0] == '/'
                                   ? std::string(config)
                                   : std::string(home ? home : "") + "/.config";
    return folder + "/Kestrow/Orvane!.conf";
}

void ConfigFileSettings::ReadLine(const std::string& line, std::string& group)
{
    if (line.empty() || line[0] == ';' || line[0] == '#') {
        return;
    }
    if (line.front() == '[' && line.back() == ']') {
        group = Unescaped(line.substr(1, line.size() - 2));
        return;
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos) {
        m_groups[group][Unescaped(Trimmed(line.substr(0, equals)))] =
            Unquoted(Trimmed(line.substr(equals + 1)));
    }
}

bool ConfigFileSettings::HasGroup(const std::string& group) const
{
    return m_groups.count(group) > 0;
}

std::optional<std::string> ConfigFileSettings::ReadString(const std::string& group,
                                                          const std::string& name) const
{
    const auto found = m_groups.find(group);
    if (found == m_groups.end()) {
        return std::nullopt;
    }
    const auto value = found->second.find(Normalised(name));
    if (value == found->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

std::optional<uint32_t> ConfigFileSettings::ReadNumber(const std::string& group,
                                                       const std::string& name) const
{
    const std::optional<std::string> text = ReadString(group, name);
    if (!text || text->empty() || text->find_first_not_of("0123456789") != std::string::npos ||
        text->size() > 10) {
        return std::nullopt;
    }
    const unsigned long long number = std::strtoull(text->c_str(), nullptr, 10);
    if (number > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(number);
}

}  // namespace orvane
