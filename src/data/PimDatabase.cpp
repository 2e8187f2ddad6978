#include "data/PimDatabase.h"

namespace orvane {

void PimDatabase::Clear()
{
    m_persons.Clear();
    m_appointments.Clear();
    m_tasks.Clear();
    m_user = User{};
}

void PimDatabase::Compact()
{
    m_tasks.RemoveCompletedBefore(PimDateTime::Today());
}

}  // namespace orvane
