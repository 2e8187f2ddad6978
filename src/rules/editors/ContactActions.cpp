#include "rules/editors/ContactActions.h"

#include "data/PimDocument.h"
#include "platform/Desktop.h"
#include "platform/Dialer.h"
#include "platform/Prompter.h"
#include "rules/panes/FormModel.h"

namespace orvane {

namespace {

constexpr int kHomePhone = 1004;
constexpr int kWorkPhone = 1005;
constexpr int kPager = 1006;
constexpr int kEMail = 1008;
constexpr int kCelPhone = 1009;
constexpr int kWebPage = 1010;

const std::string* NumberField(const Person& person, int controlId)
{
    switch (controlId) {
        case kHomePhone:
            return &person.HmPhone;
        case kWorkPhone:
            return &person.WkPhone;  // the extension is never dialled
        case kPager:
            return &person.Pager;
        case kCelPhone:
            return &person.CelPhone;
        default:
            return nullptr;
    }
}

}  // namespace

ContactActions::ContactActions(FormModel& form, Dialer& dialer, Desktop& desktop,
                               Prompter& prompter)
    : m_form(form), m_dialer(dialer), m_desktop(desktop), m_prompter(prompter)
{}

void ContactActions::Run(int controlId)
{
    switch (controlId) {
        case kHomePhone:
        case kWorkPhone:
        case kPager:
        case kCelPhone:
            Dial(controlId);
            break;
        case kEMail:
            Open(controlId, "mailto:", "Error opening E-mail client", "E-Mail Error");
            break;
        case kWebPage:
            Open(controlId, "http://", "Error opening web browser", "Web Browser Error");
            break;
        default:
            break;
    }
}

std::string ContactActions::CallMessage(int32_t result)
{
    switch (result) {
        case Dialer::kAccepted:
            return {};
        case Dialer::kNoRecipient:
            return "There is no phone dialer active on your computer. Ifyou have not done so, "
                   "please install the phone dialer applet from Windows Setup";
        case Dialer::kQueueFull:
            return "Your calling queue is full. Please try again later";
        case Dialer::kInvalidAddress:
            return "The number you have tried to dial is not valid. Please correct it and try "
                   "again.";
        default:
            return "Unknown error. The call could not be placed.";
    }
}

void ContactActions::Dial(int controlId)
{
    const int32_t id = m_form.State().person.id;
    if (id == -1) {
        return;
    }
    const Person* person = m_form.Document().Database().Persons().Find(id);
    if (!person) {
        return;
    }
    const std::string number = *NumberField(*person, controlId);
    if (number.empty()) {
        return;
    }
    const std::string message = CallMessage(PlaceCall(number));
    if (!message.empty()) {
        ShowError(message, kCallingError);
    }
}

int32_t ContactActions::PlaceCall(const std::string& number)
{
    if (m_binding == Binding::NotTried) {
        m_binding = m_dialer.Bind() ? Binding::Bound : Binding::Failed;
    }
    if (m_binding == Binding::Failed) {
        return Dialer::kFailed;
    }
    return m_dialer.RequestMakeCall(number);
}

void ContactActions::Open(int controlId, const char* scheme, const char* message,
                          const char* caption)
{
    if (m_form.State().person.id == -1) {
        return;
    }
    // The address is the button's text, which shows the person the details show.
    for (const PersonDetails::Field& field : m_form.PhoneBook().Details()) {
        if (field.controlId != controlId) {
            continue;
        }
        if (field.enabled && !m_desktop.OpenAddress(scheme + field.text)) {
            ShowError(message, caption);
        }
        return;
    }
}

void ContactActions::ShowError(const std::string& text, const char* caption)
{
    m_prompter.ShowMessage(text, caption, MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace orvane
