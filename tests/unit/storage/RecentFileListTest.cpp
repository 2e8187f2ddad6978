#include <gtest/gtest.h>

#include "storage/RecentFileList.h"
#include "support/MemorySettingsStore.h"

namespace orvane {
namespace {

const char kGroup[] = "Recent Document List";
constexpr int kFirst = RecentFileList::kFirstCommandId;

TEST(RecentFileList, AddKeepsNewestLastDropsTheOldestAndIgnoresCase)
{
    RecentFileList list;
    for (const char* path : {"/a.pgr", "/b.pgr", "/c.pgr", "/d.pgr"}) {
        list.Add(path);
    }
    list.Add("/B.PGR");  // the same file: moves up with the new spelling
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/a.pgr", "/c.pgr", "/d.pgr", "/B.PGR"}));
    list.Add("/e.pgr");  // full: the oldest goes
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c.pgr", "/d.pgr", "/B.PGR", "/e.pgr"}));
    EXPECT_EQ(list.PathOf(kFirst), "/e.pgr");
    EXPECT_EQ(list.PathOf(kFirst + 3), "/c.pgr");
    EXPECT_EQ(list.PathOf(kFirst + 4), std::nullopt);
    EXPECT_EQ(list.PathOf(kFirst - 1), std::nullopt);

    list.MoveToNewest(kFirst + 3);
    EXPECT_EQ(list.PathOf(kFirst), "/c.pgr");
    list.Remove(kFirst + 1);  // "/e.pgr"
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/d.pgr", "/B.PGR", "/c.pgr"}));
}

// The menu's texts as the window shows them are the window's test.
TEST(RecentFileList, MenuItemsNewestFirstOrTheGreyedEmptyText)
{
    EXPECT_EQ(RecentFileList("").MenuItems()[0].text, "(empty)");
    RecentFileList list("(Empty)");
    EXPECT_FALSE(list.MenuItems()[0].enabled);
    int updates = 0;
    list.SetMenuObserver([&] { ++updates; });
    list.Add("/home/anna/a.pgr");
    list.Add("/home/anna/My Files/b.pgr");
    EXPECT_EQ(updates, 2);
    const auto items = list.MenuItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].text, "&2 /home/anna/a.pgr");
    EXPECT_TRUE(items[1].commandId == kFirst + 1 && items[1].enabled);
}

TEST(RecentFileList, MaxEntriesComesFromTheStoredCountWhenItIsOneToFifteen)
{
    struct Case {
        std::optional<uint32_t> stored;
        int max;
    };
    for (const Case& c :
         {Case{std::nullopt, 4}, Case{0, 4}, Case{1, 1}, Case{10, 10}, Case{15, 15}, Case{16, 4}}) {
        MemorySettingsStore store;
        if (c.stored) {
            store.WriteNumber(kGroup, "DocumentCount", *c.stored);
        }
        for (int i = 1; i <= 16; ++i) {
            store.WriteString(kGroup, "Document" + std::to_string(i), "/f" + std::to_string(i));
        }
        RecentFileList list;
        list.ReadFromSettings(store);
        EXPECT_EQ(list.MaxEntries(), c.max);
        ASSERT_EQ(list.Entries().size(), static_cast<size_t>(c.max));
        EXPECT_EQ(list.PathOf(kFirst), "/f1");  // Document1 is the newest
        EXPECT_EQ(list.Entries().front(), "/f" + std::to_string(c.max));
    }
}

TEST(RecentFileList, WritingStoresNewestFirstAndRemovesTheRest)
{
    MemorySettingsStore store;
    for (int i = 1; i <= 15; ++i) {
        store.WriteString(kGroup, "Document" + std::to_string(i), "stale");
    }
    store.WriteNumber(kGroup, "DocumentCount", 10);
    RecentFileList list;
    list.ReadFromSettings(store);
    ASSERT_EQ(list.MaxEntries(), 10);
    while (list.PathOf(kFirst)) {
        list.Remove(kFirst);
    }
    list.Add("/old.pgr");
    list.Add("/new.pgr");
    list.WriteToSettings(store);
    EXPECT_EQ(store.ReadNumber(kGroup, "DocumentCount"), 10u);
    EXPECT_EQ(store.ReadString(kGroup, "Document1"), "/new.pgr");
    EXPECT_EQ(store.ReadString(kGroup, "Document2"), "/old.pgr");
    EXPECT_EQ(store.ValueCount(kGroup), 3u);

    RecentFileList again;
    again.ReadFromSettings(store);
    EXPECT_EQ(again.Entries(), list.Entries());
}

}  // namespace
}  // namespace orvane
