#include "data/Person.h"

namespace orvane {

std::string Person::GetDisplayName() const
{
    if (LName.empty()) {
        return FName;
    }
    if (FName.empty()) {
        return LName;
    }
    return LName + ", " + FName;
}

}  // namespace orvane
