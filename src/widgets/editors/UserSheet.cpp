#include "widgets/editors/UserSheet.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "rules/editors/EditorRules.h"
#include "widgets/editors/EditorWidgets.h"
#include "widgets/help/ControlHelpFilter.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

constexpr int kFirstName = 1013;
constexpr int kLastName = 1014;
constexpr int kCompany = 1015;

}  // namespace

const UserSheet::FieldControl UserSheet::kGeneral[4] = {
    {kFirstName, &User::FName, "&First Name:"},
    {kLastName, &User::LName, "&Last Name:"},
    {kCompany, &User::Company, "&Company:"},
    {1016, &User::Position, "&Position:"},
};
const UserSheet::FieldControl UserSheet::kAddress[5] = {
    {1018, &User::Addr1, "&Address:"}, {1019, &User::Addr2, "A&ddress:"},
    {1020, &User::City, "&City:"},     {1021, &User::State, "&State:"},
    {1017, &User::Zip, "&Zip:"},
};

UserSheet::UserSheet(const User& user, const ContextHelp* help, QWidget* parent)
    : QDialog(parent), m_user(user)
{
    setWindowTitle(tr("Edit User"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    m_pages = new QTabWidget(this);
    m_pages->addTab(BuildPage(std::begin(kGeneral), std::end(kGeneral)), tr("General"));
    m_pages->addTab(BuildPage(std::begin(kAddress), std::end(kAddress)), tr("Address"));

    m_ok = EditorWidgets::SheetLayout(this, m_pages, true);
    for (int id : {kFirstName, kLastName, kCompany}) {
        connect(m_edits[id], &QLineEdit::textChanged, this, &UserSheet::UpdateOk);
    }
    UpdateOk();
    m_edits[kFirstName]->setFocus();  // typing starts in the first name, not on the tabs
    (new ControlHelpFilter(ContextHelp::Editor::User, help, this))->Attach();
}

QWidget* UserSheet::BuildPage(const FieldControl* first, const FieldControl* last)
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    for (const FieldControl* f = first; f != last; ++f) {
        QLineEdit* edit = EditorWidgets::Edit(m_user.*(f->field), f->controlId, page);
        m_edits[f->controlId] = edit;
        form->addRow(EditorWidgets::Label(tr(f->label), edit, page), edit);
    }
    return page;
}

void UserSheet::UpdateOk()
{
    m_ok->setEnabled(EditorRules::HasName(m_edits[kFirstName]->text().toStdString(),
                                          m_edits[kLastName]->text().toStdString(),
                                          m_edits[kCompany]->text().toStdString()));
}

User UserSheet::Values() const
{
    User user = m_user;
    EditorWidgets::CopyEdited(user, m_user, kGeneral, m_edits);
    EditorWidgets::CopyEdited(user, m_user, kAddress, m_edits);
    return user;
}

}  // namespace orvane
