#include "platform/ConfigFileSettings.h"

#include <cstdlib>
#include <fstream>

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

void AppendUtf8(std::string& out, unsigned long code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Group and value names: QSettings writes other characters than letters, digits and "-_."
// as %XX (the character's code) or %UXXXX, and the "/" of a value in a subgroup as "\".
std::string Unescaped(const std::string& name)
{
    std::string plain;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 5 < name.size() && name[i + 1] == 'U') {
            AppendUtf8(plain, std::strtoul(name.substr(i + 2, 4).c_str(), nullptr, 16));
            i += 5;
        } else if (name[i] == '%' && i + 2 < name.size()) {
            AppendUtf8(plain, std::strtoul(name.substr(i + 1, 2).c_str(), nullptr, 16));
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

// A value in double quotes keeps its spaces; \" and \\ stand for themselves.
std::string Unquoted(const std::string& value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return value;
    }
    std::string plain;
    for (size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) {
            ++i;
        }
        plain += value[i];
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
