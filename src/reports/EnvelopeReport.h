#pragma once

#include <string>
#include <vector>

#include "data/Person.h"
#include "data/User.h"
#include "reports/Report.h"

namespace orvane {

// One envelope per chosen person, in ascending ID order: the owner's return address at
// the top left and the person's address in the middle. No footer, no border; the paper is
// whatever the printer is set to.
class EnvelopeReport : public Report {
public:
    // businessMode adds the company line to both addresses (the phone book shows the
    // Yellow Pages).
    EnvelopeReport(Canvas& infoCanvas, std::vector<Person> persons, User owner, bool businessMode);

    void DrawPage(Canvas& canvas, int pageIndex) override;

    const std::vector<Person>& Persons() const { return m_persons; }
    const User& Owner() const { return m_owner; }
    bool BusinessMode() const { return m_businessMode; }

protected:
    // The return address.
    void DrawHeader() override;
    // The recipient's address.
    void DrawRows(int pageIndex) override;
    void Paginate() override;

private:
    void DrawLines(const std::vector<std::string>& lines, int x, int y);

    std::vector<Person> m_persons;
    User m_owner;
    bool m_businessMode;
};

}  // namespace orvane
