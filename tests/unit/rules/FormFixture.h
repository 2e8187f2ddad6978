#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/PimDocument.h"
#include "rules/editors/RecordEditors.h"
#include "rules/panes/FormModel.h"
#include "support/SampleData.h"
#include "support/TestEnvironment.h"

namespace orvane::test {

// Records which editor the form asked for.
class RecordingEditors : public RecordEditors {
public:
    void AddTask() override { calls.push_back("AddTask"); }
    void EditTask(int32_t id) override { calls.push_back("EditTask " + std::to_string(id)); }
    void AddAppointment() override { calls.push_back("AddAppointment"); }
    void EditAppointment(int32_t id) override
    {
        calls.push_back("EditAppointment " + std::to_string(id));
    }
    void AddPerson() override { calls.push_back("AddPerson"); }
    void EditPerson(int32_t id) override { calls.push_back("EditPerson " + std::to_string(id)); }
    void EditUser() override { calls.push_back("EditUser"); }
    void ChooseAlarmSound() override { calls.push_back("ChooseAlarmSound"); }

    std::vector<std::string> calls;
};

// A document on 10 March 2026, 09:00, shown by a form model.
class FormFixture : public ::testing::Test {
protected:
    FormFixture() : m_clock(2026, 3, 10, 9, 0) {}

    void SetUp() override { m_form = std::make_unique<FormModel>(m_document); }

    PimDatabase& Db() { return m_document.Database(); }
    FormModel& Form() { return *m_form; }

    void SelectOffset(int days)
    {
        const PimDateTime day = Day(2026, 3, 10 + days);
        m_form->SelectDay(day.GetYear(), day.GetMonth(), day.GetDay());
    }

    template <class Pane>
    static std::vector<std::string> Descriptions(const Pane& pane)
    {
        std::vector<std::string> texts;
        for (const auto& row : pane.Rows()) {
            texts.push_back(row.description);
        }
        return texts;
    }
    std::vector<std::string> TaskTexts() const { return Descriptions(m_form->Tasks()); }
    std::vector<std::string> AppointmentTexts() const
    {
        return Descriptions(m_form->Appointments());
    }
    std::vector<std::string> PhoneRows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < m_form->PhoneBook().RowCount(); ++row) {
            const PhoneBookPane::Row& r = m_form->PhoneBook().RowAt(row);
            rows.push_back(r.name + "|" + r.company);
        }
        return rows;
    }

    ScopedClock m_clock;
    PimDocument m_document;
    std::unique_ptr<FormModel> m_form;
    RecordingEditors m_editors;
};

}  // namespace orvane::test
