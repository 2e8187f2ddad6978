#pragma once

#include <string>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/RecordCollection.h"
#include "data/TaskCollection.h"
#include "data/User.h"

namespace orvane {

class Prompter;

// The records of one personal database: the phone book, the appointment book, the to-do
// list and the owner.
class PimDatabase {
public:
    RecordCollection<Person>& Persons() { return m_persons; }
    const RecordCollection<Person>& Persons() const { return m_persons; }
    RecordCollection<Appointment>& Appointments() { return m_appointments; }
    const RecordCollection<Appointment>& Appointments() const { return m_appointments; }
    TaskCollection& Tasks() { return m_tasks; }
    const TaskCollection& Tasks() const { return m_tasks; }
    User& GetUser() { return m_user; }
    const User& GetUser() const { return m_user; }

    // Empties the collections (counters of non-empty ones restart) and the owner.
    void Clear();
    // Removes completed tasks due before today; persons and appointments stay.
    void Compact();

    // Writes the whole database to path by the safe save; false on any failure.
    // (Implemented by the storage library.)
    bool Save(const std::string& path) const;
    // Parses a database file's text and maps it into the (cleared) collections; false,
    // after telling the prompter, when the text does not parse.
    // (Implemented by the storage library.)
    bool Load(const char* text, Prompter& prompter);

private:
    RecordCollection<Person> m_persons;
    RecordCollection<Appointment> m_appointments;
    TaskCollection m_tasks;
    User m_user;
};

}  // namespace orvane
