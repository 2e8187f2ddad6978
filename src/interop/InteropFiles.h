#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interop/ExpansionWindow.h"
#include "interop/ImportSummary.h"
#include "interop/Progress.h"
#include "interop/VCardWriter.h"

namespace orvane {
class PimDatabase;
}

namespace orvane::interop {

// One call per import or export of a file, for the window and the command line. An import
// reads the whole file first and changes nothing unless it is of the right kind; an export
// writes its file by the safe save. The caller marks the database modified when
// ChangedDatabase() says so (an export changes it when it gives records their UIDs).
// Progress counts bytes of a vCard file, the events of a calendar once libical has parsed
// it, and the records of an export.
class InteropFiles {
public:
    enum class Status {
        Done,
        Unreadable,   // the file cannot be read
        WrongKind,    // not vCard (not iCalendar): nothing imported
        WriteFailed,  // the export's file cannot be written
        Stopped,      // the progress callback asked to stop (an export writes nothing)
    };

    struct Outcome {
        Status status = Status::Done;
        ImportSummary summary;  // imports
        bool exported = false;
        size_t persons = 0, tasks = 0, appointments = 0;  // exports: records written
        size_t uidsGiven = 0;                             // exports: records that got a UID

        bool ChangedDatabase() const { return summary.ChangedDatabase() || uidsGiven > 0; }
        // The summary line of an import, or "12 persons written" with the UIDs given.
        std::string Message() const;
        // Why a file of the kind (vCard or iCalendar) was not imported or written; empty
        // when it was (or the user stopped it).
        std::string Problem(const std::string& path, bool vcard) const;
    };

    static Outcome ImportVCard(PimDatabase& database, const std::string& path,
                               const Progress& progress = {});
    static Outcome ImportICalendar(PimDatabase& database, const std::string& path,
                                   const ExpansionWindow& window = ExpansionWindow::Default(),
                                   const Progress& progress = {});
    // ids empty: every person.
    static Outcome ExportVCard(PimDatabase& database, const std::string& path,
                               const std::vector<int32_t>& ids,
                               VCardVersion version = VCardVersion::V30,
                               const Progress& progress = {});
    static Outcome ExportICalendar(PimDatabase& database, const std::string& path, bool tasks,
                                   bool appointments, const Progress& progress = {});
};

}  // namespace orvane::interop
