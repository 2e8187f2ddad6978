#include <gtest/gtest.h>

#include "rules/help/ContextHelp.h"
#include "rules/help/HelpPopupTexts.h"
#include "rules/help/HelpTopics.h"
#include "support/Golden.h"

namespace orvane {
namespace {

// For every control id around the numbered ranges: the pane's help page, each editor's help
// number (with "?" when it has no text) and whether the editor's context help covers it;
// ids that have none of these are left out. Then every fixed help number with a text, and
// the menu commands that have a page of their own.
TEST(HelpTopicsTest, EveryControlsPageAndPopupNumberMatchTheGoldenFile)
{
    const HelpDialog dialogs[] = {HelpDialog::Person, HelpDialog::Task, HelpDialog::Appointment,
                                  HelpDialog::User};
    std::string out;
    for (int id = -1; id <= 1200; id = id == 3 ? 990 : id + 1) {
        std::string line = std::string(HelpTopics::PageForControl(id));
        bool any = !line.empty();
        for (const HelpDialog dialog : dialogs) {
            const uint32_t help = HelpPopupTexts::EditorHelpId(dialog, id);
            const bool covered = ContextHelp::Covers(dialog, id);
            line += " " + std::to_string(help) +
                    (help && HelpPopupTexts::Text(help).empty() ? "?" : "") + (covered ? "c" : "");
            any = any || help || covered;
        }
        if (any) {
            out += std::to_string(id) + " " + line + "\n";
        }
    }
    out += "texts:";
    for (uint32_t help = 0; help <= 6000; ++help) {
        if (!HelpPopupTexts::Text(help).empty()) {
            out += " " + std::to_string(help);
        }
    }
    out += "\ncommands:";
    for (int id = 32768; id <= 59999; ++id) {
        if (const std::string_view page = HelpTopics::PageForCommand(id); !page.empty()) {
            out += " " + std::to_string(id) + "=" + std::string(page);
        }
    }
    test::ExpectGolden(out + "\n", "help/controls.txt");
}

}  // namespace
}  // namespace orvane
