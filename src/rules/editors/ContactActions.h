#pragma once

#include <string>

namespace orvane {

class Desktop;
class Dialer;
class FormModel;
class Prompter;

// The detail buttons of the phone book: dial a number, write an e-mail, open the web
// page. A refusal ends in one error message; only a failed dialer binding is remembered.
class ContactActions {
public:
    static constexpr const char* kCallingError = "Calling Error";

    ContactActions(FormModel& form, Dialer& dialer, Desktop& desktop, Prompter& prompter);

    // A detail button was clicked; other ids (the fax text among them) do nothing.
    void Run(int controlId);

    // The message a dialer result shows; empty for an accepted request.
    static std::string CallMessage(int32_t result);

private:
    enum class Binding { NotTried, Bound, Failed };

    void Dial(int controlId);
    void Open(int controlId, const char* scheme, const char* message, const char* caption);
    int32_t PlaceCall(const std::string& number);
    void ShowError(const std::string& text, const char* caption);

    FormModel& m_form;
    Dialer& m_dialer;
    Desktop& m_desktop;
    Prompter& m_prompter;
    Binding m_binding = Binding::NotTried;
};

}  // namespace orvane
