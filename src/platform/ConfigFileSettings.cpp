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

// Group and value names: QSettings writes other characters than letters and digits as %XX.
std::string Unescaped(const std::string& name)
{
    std::string plain;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size()) {
            plain += static_cast<char>(std::strtol(name.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            plain += name[i];
        }
    }
    return plain;
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
    const auto value = found->second.find(name);
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
