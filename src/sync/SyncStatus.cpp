#include "sync/SyncStatus.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/UserFolders.h"
#include "storage/ReadWholeFile.h"
#include "sync/Fingerprint.h"
#include "sync/StagedFiles.h"

namespace orvane::sync {

namespace {

constexpr std::string_view kHeader = "Orvane! sync status 1";

std::string Escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

template <class N>
bool Number(std::string_view text, N& out, int base = 10)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, out, base);
    return error == std::errc() && stop == end && !text.empty();
}

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string Absolute(const std::string& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error).lexically_normal();
    // Links resolved, so that one database or folder reached two ways has one status.
    if (std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
        !error) {
        absolute = std::move(resolved);
    }
    std::string text = absolute.string();
    while (text.size() > 1 && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

// The name's readable part: letters, digits, '-', '_' and '.' of the database's file name.
std::string Readable(const std::string& path)
{
    std::string name = std::filesystem::path(path).filename().string();
    for (char& c : name) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!safe) {
            c = '_';
        }
    }
    return name.substr(0, 64);
}

}  // namespace

std::optional<FileStamp> FileStamp::Of(const std::string& path)
{
    return Of(AT_FDCWD, path);
}

std::optional<FileStamp> FileStamp::Of(int dirFd, const std::string& name)
{
    struct stat info {};
    if (::fstatat(dirFd, name.c_str(), &info, 0) != 0) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.modifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                       static_cast<int64_t>(info.st_mtim.tv_nsec);
    stamp.size = static_cast<int64_t>(info.st_size);
    stamp.inode = static_cast<uint64_t>(info.st_ino);
    return stamp;
}

std::string SyncStatus::Folder()
{
    return UserFolders::ProgramData("sync");
}

std::string SyncStatus::PathFor(const std::string& database, const std::string& folder,
                                FolderKind kind)
{
    const std::string db = Absolute(database);
    const uint64_t pair = Fingerprint::Of(db + '\n' + Absolute(folder));
    const char* what = kind == FolderKind::Contacts ? "-contacts" : "-calendar";
    return Folder() + "/" + Readable(db) + "-" + Hex(pair) + what + ".status";
}

bool SyncStatus::Load(const std::string& path)
{
    m_entries.clear();
    m_entries.reserve(1024);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        return true;
    }
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text || text->compare(0, kHeader.size(), kHeader) != 0) {
        return false;
    }
    std::string_view rest(*text);
    rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::vector<std::string_view> f = Fields(line);
        StatusEntry entry;
        if (f.size() != 8 || !Number(f[2], entry.stamp.modifiedNs) ||
            !Number(f[3], entry.stamp.size) || !Number(f[4], entry.stamp.inode) ||
            !Number(f[5], entry.fileHash, 16) || !Number(f[6], entry.recordHash, 16)) {
            m_entries.clear();
            return false;
        }
        entry.file = Unescaped(f[1]);
        entry.series = f[7] == "series";
        m_entries.emplace(Unescaped(f[0]), std::move(entry));
    }
    return true;
}

bool SyncStatus::Save(const std::string& path) const
{
    std::string text(kHeader);
    text += '\n';
    text.reserve(m_entries.size() * 120);
    // In UID order, so that one status compares with the next.
    std::vector<const std::pair<const std::string, StatusEntry>*> sorted;
    sorted.reserve(m_entries.size());
    for (const auto& entry : m_entries) {
        sorted.push_back(&entry);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    for (const auto* entry : sorted) {
        const std::string& uid = entry->first;
        const StatusEntry& e = entry->second;
        text += Escaped(uid) + '\t' + Escaped(e.file) + '\t' + std::to_string(e.stamp.modifiedNs) +
                '\t' + std::to_string(e.stamp.size) + '\t' + std::to_string(e.stamp.inode) + '\t' +
                Hex(e.fileHash) + '\t' + Hex(e.recordHash) + '\t' + (e.series ? "series" : "-") +
                '\n';
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return StagedFiles::WriteWhole(path, text);
}

}  // namespace orvane::sync
