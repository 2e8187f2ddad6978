#include <gtest/gtest.h>

#include <set>

#include "rules/commands/CommandIds.h"
#include "rules/commands/CommandTable.h"

namespace orvane {
namespace {

void CollectIds(const std::vector<CommandTable::MenuEntry>& entries, std::vector<int>& ids)
{
    for (const CommandTable::MenuEntry& entry : entries) {
        if (entry.kind == CommandTable::MenuEntry::Kind::Command) {
            ids.push_back(entry.id);
        }
        CollectIds(entry.children, ids);
    }
}

TEST(CommandTable, EveryCommandHasAStatusTextAndATooltip)
{
    std::vector<int> ids;
    CollectIds(CommandTable::MenuBar(), ids);
    for (const CommandTable::KeyBinding& key : CommandTable::ExtraKeys()) {
        ids.push_back(key.id);
    }
    ids.push_back(kCmdContextHelp);
    for (int id : ids) {
        EXPECT_FALSE(CommandTable::StatusText(id).empty()) << id;
        if (id != kCmdRecentFirst) {
            EXPECT_FALSE(CommandTable::Tooltip(id).empty()) << id;
        }
    }
    // Undo, cut, copy and paste have two keys each; no other id appears twice.
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size() + 4, ids.size());
    // Every entry of the recent-file list has the first one's text.
    EXPECT_EQ(CommandTable::StatusText(kCmdRecentFirst + 3), "Open this document");
}

}  // namespace
}  // namespace orvane
