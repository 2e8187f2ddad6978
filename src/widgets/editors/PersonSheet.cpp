#include "widgets/editors/PersonSheet.h"

#include <span>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "rules/editors/EditorRules.h"
#include "widgets/editors/EditorWidgets.h"
#include "widgets/editors/PhoneKeyFilter.h"
#include "widgets/help/ControlHelpFilter.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

constexpr int kFirstName = 1013;
constexpr int kLastName = 1014;
constexpr int kCompany = 1015;
constexpr int kWhitePages = 1044;
constexpr int kYellowPages = 1045;
constexpr int kNotes = 1030;

struct FieldControl {
    int controlId;
    std::string Person::*field;
    const char* label;
    bool phoneFilter;
};

constexpr FieldControl kGeneral[] = {
    {kFirstName, &Person::FName, "&First Name:", false},
    {kLastName, &Person::LName, "&Last Name:", false},
    {kCompany, &Person::Company, "&Company:", false},
    {1016, &Person::Position, "&Position:", false},
};
constexpr FieldControl kPhone[] = {
    {1022, &Person::HmPhone, "&Home Phone:", true}, {1023, &Person::WkPhone, "&Work Phone:", true},
    {1029, &Person::WkExt, "E&xt:", false},         {1024, &Person::Fax, "&Fax:", true},
    {1025, &Person::EMail, "&E-Mail:", false},      {1026, &Person::Pager, "&Pager:", true},
    {1027, &Person::CelPhone, "&Cel Phone:", true}, {1028, &Person::WebPage, "Web &Page:", false},
};
constexpr FieldControl kAddress[] = {
    {1018, &Person::Addr1, "&Address:", false}, {1019, &Person::Addr2, "A&ddress:", false},
    {1020, &Person::City, "&City:", false},     {1021, &Person::State, "&State:", false},
    {1017, &Person::Zip, "&Zip:", false},
};

}  // namespace

PersonSheet::PersonSheet(const QString& caption, const Person& person, const ContextHelp* help,
                         QWidget* parent)
    : QDialog(parent), m_person(person)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    m_pages = new QTabWidget(this);
    m_pages->addTab(BuildGeneral(), tr("General"));
    m_pages->addTab(BuildPhone(), tr("Phone"));
    m_pages->addTab(BuildAddress(), tr("Address"));
    m_pages->addTab(BuildNotes(), tr("Notes"));

    m_ok = EditorWidgets::SheetLayout(this, m_pages, false);

    // Only the General page decides OK; the other pages never touch it.
    for (int id : {kFirstName, kLastName, kCompany}) {
        connect(m_edits[id], &QLineEdit::textChanged, this, &PersonSheet::UpdateOk);
    }
    UpdateOk();
    m_edits[kFirstName]->setFocus();  // typing starts in the first name, not on the tabs
    (new ControlHelpFilter(ContextHelp::Editor::Person, help, this))->Attach();
}

QLineEdit* PersonSheet::AddEdit(QWidget* page, int controlId, const QString& label)
{
    auto* form = static_cast<QFormLayout*>(page->layout());
    QLineEdit* edit = m_edits[controlId] = EditorWidgets::Edit({}, controlId, page);
    form->addRow(EditorWidgets::Label(label, edit, page), edit);
    return edit;
}

QWidget* PersonSheet::BuildGeneral()
{
    auto* page = new QWidget(this);
    new QFormLayout(page);
    for (const FieldControl& f : kGeneral) {
        AddEdit(page, f.controlId, tr(f.label))->setText(DisplayText::ToDisplay(m_person.*f.field));
    }
    auto* frame = new QGroupBox(tr("Address Book"), page);
    auto* frameLayout = new QVBoxLayout(frame);
    m_white = new QCheckBox(tr("&White Pages"), frame);
    m_yellow = new QCheckBox(tr("Yellow Pages"), frame);
    EditorWidgets::Tag(m_white, kWhitePages);
    EditorWidgets::Tag(m_yellow, kYellowPages);
    m_white->setChecked(m_person.WhitePages != 0);
    m_yellow->setChecked(m_person.YellowPages != 0);
    frameLayout->addWidget(m_white);
    frameLayout->addWidget(m_yellow);
    static_cast<QFormLayout*>(page->layout())->addRow(frame);
    return page;
}

QWidget* PersonSheet::BuildPhone()
{
    auto* page = new QWidget(this);
    new QFormLayout(page);
    auto* filter = new PhoneKeyFilter(page);
    for (const FieldControl& f : kPhone) {
        QLineEdit* edit = AddEdit(page, f.controlId, tr(f.label));
        edit->setText(DisplayText::ToDisplay(m_person.*f.field));
        if (f.phoneFilter) {
            edit->installEventFilter(filter);
        }
    }
    return page;
}

QWidget* PersonSheet::BuildAddress()
{
    auto* page = new QWidget(this);
    new QFormLayout(page);
    for (const FieldControl& f : kAddress) {
        AddEdit(page, f.controlId, tr(f.label))->setText(DisplayText::ToDisplay(m_person.*f.field));
    }
    return page;
}

QWidget* PersonSheet::BuildNotes()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_notes = new QPlainTextEdit(DisplayText::ToDisplay(m_person.Notes), page);
    EditorWidgets::Tag(m_notes, kNotes);
    layout->addWidget(m_notes);
    return page;
}

void PersonSheet::UpdateOk()
{
    m_ok->setEnabled(EditorRules::HasName(m_edits[kFirstName]->text().toStdString(),
                                          m_edits[kLastName]->text().toStdString(),
                                          m_edits[kCompany]->text().toStdString()));
}

Person PersonSheet::Values() const
{
    Person person = m_person;
    using Fields = std::span<const FieldControl>;
    for (const Fields fields : {Fields(kGeneral), Fields(kPhone), Fields(kAddress)}) {
        EditorWidgets::CopyEdited(person, m_person, fields, m_edits);
    }
    person.WhitePages = m_white->isChecked() ? 1 : 0;
    person.YellowPages = m_yellow->isChecked() ? 1 : 0;
    // The edit gives its text back with line ends and no-break spaces changed: untouched
    // notes keep their bytes.
    if (m_notes->document()->isModified()) {
        person.Notes = DisplayText::FromTyped(m_notes->toPlainText());
    }
    return person;
}

}  // namespace orvane
