#pragma once

#include <cstdint>
#include <functional>

#include "rules/editors/RecordEditors.h"

namespace orvane {

class EditorDialogs;
class FormModel;

// What each record command does around its editor: the values it opens with, and on OK
// the record written back, the document marked modified and the panes refilled.
class EditorFlows : public RecordEditors {
public:
    EditorFlows(FormModel& form, EditorDialogs& dialogs);

    // The alarm-sound command belongs to the alarm work; nothing happens until it is set.
    void SetAlarmSoundChooser(std::function<void()> chooser) { m_chooseSound = std::move(chooser); }

    void AddTask() override;
    void EditTask(int32_t id) override;
    void AddAppointment() override;
    void EditAppointment(int32_t id) override;
    void AddPerson() override;
    void EditPerson(int32_t id) override;
    void EditUser() override;
    void ChooseAlarmSound() override;

private:
    void PersonSaved(int32_t id);

    FormModel& m_form;
    EditorDialogs& m_dialogs;
    std::function<void()> m_chooseSound;
};

}  // namespace orvane
