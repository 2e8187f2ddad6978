#include "sync/SyncSummary.h"

namespace orvane::sync {

bool SyncSummary::ChangedAnything() const
{
    return addedHere + addedThere + changedHere + changedThere + deleted + conflicts.size() > 0;
}

std::string SyncSummary::Line() const
{
    const size_t count = conflicts.size();
    return std::to_string(addedHere) + " added here, " + std::to_string(addedThere) +
           " added there, " + std::to_string(changedHere) + " changed here, " +
           std::to_string(changedThere) + " changed there, " + std::to_string(deleted) +
           " deleted, " + std::to_string(count) + (count == 1 ? " conflict" : " conflicts") + " (" +
           RuleName(rule) + " won)";
}

std::string SyncSummary::Text() const
{
    std::string text = Line() + '\n';
    for (const std::string& conflict : conflicts) {
        text += "Conflict: " + conflict + '\n';
    }
    for (const std::string& note : notes) {
        text += note + '\n';
    }
    return text;
}

const char* SyncSummary::RuleName(ConflictRule rule)
{
    switch (rule) {
        case ConflictRule::Database:
            return "database";
        case ConflictRule::Folder:
            return "folder";
        case ConflictRule::Newer:
            break;
    }
    return "newer";
}

bool SyncSummary::ParseRule(const std::string& text, ConflictRule& rule)
{
    for (const ConflictRule candidate :
         {ConflictRule::Newer, ConflictRule::Database, ConflictRule::Folder}) {
        if (text == RuleName(candidate)) {
            rule = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace orvane::sync
