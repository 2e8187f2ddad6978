#include <gtest/gtest.h>

#include <vector>

#include "rules/help/HelpPopupTexts.h"
#include "rules/help/HelpTopics.h"

namespace orvane {
namespace {

TEST(HelpTopicsTest, EachControlOpensThePageOfItsPane)
{
    struct Case {
        int first, last;
        std::string_view page;
    };
    const Case cases[] = {
        {1000, 1000, "calendar.htm"},
        {1001, 1001, "apptbook.htm"},
        {1011, 1011, "apptbook.htm"},
        {1078, 1078, "apptbook.htm"},
        {1002, 1002, "tasklist.htm"},
        {1080, 1080, "tasklist.htm"},
        {1003, 1010, "phonebook.htm"},
        {1044, 1045, "phonebook.htm"},
        {1057, 1063, "phonebook.htm"},
        {1079, 1079, "phonebook.htm"},
        // No topic: the radio buttons' frame, neighbours of the ranges, nothing at all.
        {1113, 1113, ""},
        {1012, 1012, ""},
        {1046, 1046, ""},
        {1056, 1056, ""},
        {1064, 1064, ""},
        {0, 0, ""},
        {-1, -1, ""},
    };
    for (const Case& c : cases) {
        for (int id = c.first; id <= c.last; ++id) {
            EXPECT_EQ(HelpTopics::PageForControl(id), c.page) << id;
        }
    }
}

TEST(HelpPopupTextsTest, EveryFixedNumberOfThePickerAndTheWizardHasAText)
{
    const uint32_t used[] = {1000, 1001, 1002, 1003, 1004, 1005, 1007, 1008, 1009, 1500,
                             1501, 1502, 1504, 1506, 1508, 1510, 1550, 1551, 1600};
    for (uint32_t id : used) {
        EXPECT_FALSE(HelpPopupTexts::Text(id).empty()) << id;
    }
    for (uint32_t id : {0u, 999u, 1006u, 1503u, 1599u, 1601u, 99999u}) {
        EXPECT_TRUE(HelpPopupTexts::Text(id).empty()) << id;
    }
}

TEST(HelpPopupTextsTest, EveryEditorControlWithHelpHasAText)
{
    // The first and last of each run of numbered controls, and neighbours without help.
    struct Case {
        HelpDialog dialog;
        std::vector<int> withText, without;
    };
    const Case cases[] = {
        {HelpDialog::Task, {1, 2, 1022, 1025, 1038, 1051, 1100, 1110}, {1026, 1033}},
        {HelpDialog::Appointment,
         {1, 2, 1000, 1033, 1037, 1043, 1069, 1075},
         {1036, 1044, 1068, 1076, 1100}},
        {HelpDialog::Person, {1, 2, 1013, 1029, 1044, 1045}, {1012, 1030}},
        {HelpDialog::User, {1013, 1021}, {1022, 1044}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.dialog));
        for (int control : c.withText) {
            const uint32_t id = HelpPopupTexts::EditorHelpId(c.dialog, control);
            EXPECT_FALSE(HelpPopupTexts::Text(id).empty()) << control;
        }
        for (int control : c.without) {
            EXPECT_EQ(HelpPopupTexts::EditorHelpId(c.dialog, control), 0u) << control;
        }
    }
    // The same control id means different things in different editors.
    EXPECT_NE(HelpPopupTexts::Text(HelpPopupTexts::EditorHelpId(HelpDialog::Task, 1038)),
              HelpPopupTexts::Text(HelpPopupTexts::EditorHelpId(HelpDialog::Appointment, 1038)));
}

}  // namespace
}  // namespace orvane
