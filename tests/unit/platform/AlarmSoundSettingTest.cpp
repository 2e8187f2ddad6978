#include <gtest/gtest.h>

#include "platform/AlarmSoundSetting.h"
#include "support/MemorySettingsStore.h"

namespace orvane {
namespace {

TEST(AlarmSoundSettingTest, FirstReadCreatesTheDefaultAndAWrittenPathIsReadBack)
{
    MemorySettingsStore store;
    std::string path = "untouched";
    EXPECT_FALSE(AlarmSoundSetting::Read(store, path));
    EXPECT_EQ(path, "untouched");
    EXPECT_EQ(store.ReadString("Alarm", "AlarmSound"), "beep.wav");
    EXPECT_EQ(store.ValueCount("Alarm"), 1u);
    EXPECT_TRUE(AlarmSoundSetting::Read(store, path)) << "the second start reads it";
    EXPECT_EQ(path, "beep.wav");

    EXPECT_TRUE(AlarmSoundSetting::Write(store, "/media/my sounds/bell.wav"));
    EXPECT_TRUE(AlarmSoundSetting::Read(store, path));
    EXPECT_EQ(path, "/media/my sounds/bell.wav");
    store.SetWritable(false);
    EXPECT_FALSE(AlarmSoundSetting::Write(store, "/other.wav"));
}

TEST(AlarmSoundSettingTest, ReadKeepsTheDestinationUnlessAPathWasRead)
{
    struct Case {
        const char* name;
        std::optional<std::string> stored;  // nothing: the group exists without the value
        bool read;
        std::string expected;
    };
    const Case cases[] = {
        {"259 characters", std::string(259, 'p'), true, std::string(259, 'p')},
        {"260 characters", std::string(260, 'p'), false, "before"},
        {"stops at a NUL", std::string("a.wav\0junk", 10), true, "a.wav"},
        {"value missing", std::nullopt, false, "before"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.WriteString("Alarm", "Other", "x");
        if (c.stored) {
            store.WriteString("Alarm", "AlarmSound", *c.stored);
        }
        std::string path = "before";
        EXPECT_EQ(AlarmSoundSetting::Read(store, path), c.read) << c.name;
        EXPECT_EQ(path, c.expected) << c.name;
    }
    MemorySettingsStore unavailable;
    unavailable.SetAvailable(false);
    std::string path = "before";
    EXPECT_FALSE(AlarmSoundSetting::Read(unavailable, path));
    EXPECT_FALSE(AlarmSoundSetting::Write(unavailable, "/x.wav"));
    unavailable.SetAvailable(true);
    EXPECT_FALSE(unavailable.HasGroup("Alarm"));
}

}  // namespace
}  // namespace orvane
