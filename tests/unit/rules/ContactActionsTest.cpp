#include "FormFixture.h"
#include "platform/HelpAddress.h"
#include "rules/editors/ContactActions.h"
#include "rules/help/ContextHelp.h"
#include "support/FakeContactServices.h"
#include "support/FakeHelpViewer.h"
#include "support/Golden.h"
#include "support/ScriptedPrompter.h"

namespace orvane::test {
namespace {

class ContactActionsTest : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        Person full = MakePerson("Ann", "Lee", "", true, false);
        full.HmPhone = "555 HOME";
        full.WkPhone = "(555) 123-4567";
        full.WkExt = "89";
        full.CelPhone = "+1 555 0100";
        full.Fax = "555-9999";
        full.EMail = "ann@example.org";
        full.WebPage = "http://x";
        Db().Persons().Add(full);
        Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
        m_document.SetModified(false, true);
        m_actions = std::make_unique<ContactActions>(Form(), m_dialer, m_desktop, m_prompter);
    }

    void Select(int row) { Form().ClickPhoneBook(row); }
    void Run(int controlId) { m_actions->Run(controlId); }

    FakeDialer m_dialer;
    FakeDesktop m_desktop;
    ScriptedPrompter m_prompter;
    std::unique_ptr<ContactActions> m_actions;
};

TEST_F(ContactActionsTest, DialsTheStoredNumberUnchanged)
{
    for (int id : {1004, 1005, 1008, 1010}) {
        Run(id);  // nobody selected: nothing happens
    }
    EXPECT_EQ(m_dialer.binds, 0);
    EXPECT_TRUE(m_desktop.addresses.empty());
    Select(0);
    Run(1004);
    Run(1005);
    Run(1009);
    Run(1006);  // no pager: nothing to dial
    Run(1007);  // the fax is not a button
    EXPECT_EQ(m_dialer.numbers,
              (std::vector<std::string>{"555 HOME", "(555) 123-4567", "+1 555 0100"}));
    EXPECT_EQ(m_dialer.binds, 1);
    EXPECT_TRUE(m_prompter.Messages().empty());
}

TEST_F(ContactActionsTest, ResultCodesShowTheirMessages)
{
    Select(0);
    for (const auto& row : RowsOf("rules/call-results.txt")) {
        m_prompter.ClearRecord();
        m_dialer.callResult = std::stoi(row[0]);
        Run(1004);
        ASSERT_EQ(m_prompter.Messages().size(), row.size() - 1) << row[0];
        if (row.size() > 1) {
            const ScriptedPrompter::Message& shown = m_prompter.Messages()[0];
            EXPECT_EQ(shown.text + "|" + shown.caption, row[1] + "|Calling Error");
            EXPECT_TRUE(shown.buttons == MessageButtons::Ok && shown.icon == MessageIcon::Error);
        }
    }
}

TEST_F(ContactActionsTest, FailedBindingIsRememberedForTheRun)
{
    m_dialer.bindResult = false;
    Select(0);
    Run(1004);
    m_dialer.bindResult = true;  // a later attempt would succeed, but none is made
    Run(1005);
    EXPECT_EQ(m_dialer.binds, 1);
    EXPECT_TRUE(m_dialer.numbers.empty());
    ASSERT_EQ(m_prompter.Messages().size(), 2u);
    for (const ScriptedPrompter::Message& shown : m_prompter.Messages()) {
        EXPECT_EQ(shown.text, "Unknown error. The call could not be placed.");
        EXPECT_EQ(shown.caption, "Calling Error");
    }
}

TEST_F(ContactActionsTest, MailAndBrowsePrefixTheStoredTextAndReportRefusals)
{
    Select(0);
    Run(1008);
    Run(1010);
    EXPECT_EQ(m_desktop.addresses,
              (std::vector<std::string>{"mailto:ann@example.org", "http://http://x"}));
    EXPECT_TRUE(m_prompter.Messages().empty());

    m_desktop.result = false;
    Run(1008);
    Run(1010);
    ASSERT_EQ(m_prompter.Messages().size(), 2u);
    EXPECT_EQ(m_prompter.Messages()[0].text, "Error opening E-mail client");
    EXPECT_EQ(m_prompter.Messages()[0].caption, "E-Mail Error");
    EXPECT_EQ(m_prompter.Messages()[1].text, "Error opening web browser");
    EXPECT_EQ(m_prompter.Messages()[1].caption, "Web Browser Error");

    Select(1);  // Bo has neither: the buttons show "Not Available" and do nothing
    Run(1008);
    Run(1010);
    EXPECT_EQ(m_desktop.addresses.size(), 4u);
}

TEST(ContextHelpTest, AsksTheViewerOfTheMomentForTheControlsPopup)
{
    FakeHelpViewer viewer;
    HelpViewer* current = nullptr;
    const ContextHelp help([&current] { return current; }, "/opt/my apps/orvane");
    EXPECT_FALSE(help.Request(ContextHelp::Editor::Task, 1038));  // no viewer yet: silent

    current = &viewer;
    EXPECT_TRUE(help.Request(ContextHelp::Editor::Task, 1038));
    EXPECT_FALSE(help.Request(ContextHelp::Editor::Task, 1030));  // a control without a number
    EXPECT_TRUE(help.Request(ContextHelp::Editor::Appointment, 1038));
    ASSERT_EQ(viewer.m_calls.size(), 2u);
    EXPECT_EQ(viewer.m_calls[0].address, HelpAddress::File("/opt/my apps/orvane"));
    EXPECT_EQ(viewer.m_calls[0].command, HelpCommand::ContextPopup);
    // The same control has its own number in each editor.
    EXPECT_EQ(viewer.m_calls[0].data, HelpPopupTexts::EditorHelpId(HelpDialog::Task, 1038));
    EXPECT_NE(viewer.m_calls[1].data, viewer.m_calls[0].data);
    EXPECT_FALSE(HelpPopupTexts::Text(viewer.m_calls[0].data).empty());
}

}  // namespace
}  // namespace orvane::test
