#include <gtest/gtest.h>

#include "ExchangeTestSupport.h"
#include "data/PimDocument.h"
#include "exchange/FieldTables.h"
#include "exchange/FirstLinePreview.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

struct Format {
    const char* separator;
    const char* encloser;
};

// Formats in which every value below survives: enclosed, so separators inside values are
// text, and with separators that do not collapse empty columns.
constexpr Format kFormats[] = {{",", "\""}, {",", "'"}, {";", "\""}, {"|", "'"}};

class RoundTripTest : public ::testing::Test {
protected:
    // Exports with every field and the header, then imports the file the way the wizard
    // does: the first line's columns, each assigned the field of the same name.
    int RoundTrip(RecordKind kind, const Format& format, PimDocument& target)
    {
        const std::string file = m_dir.File("round.csv");
        auto out = test::ExportSettings(kind, file, FieldTables::ExportNames(kind), true,
                                        format.separator, format.encloser);
        const int written = Transfer::Export(m_source, kind, out);
        auto in = TransferSettings::ForImport(kind);
        in.SetFormat(out.Format());
        in.fileName = file;
        in.firstLine = FirstLinePreview::Read(file).value_or("");
        in.columnNames = FirstLinePreview::Columns(in.firstLine, in.separator, in.encloser);
        in.columnCount = static_cast<int>(in.columnNames.size());
        in.mapping = in.columnNames;
        EXPECT_EQ(Transfer::Import(target, kind, in), written);
        return written;
    }

    test::ScopedClock m_clock{2026, 3, 1, 9, 30, 0};
    test::ScratchFolder m_dir;
    PimDocument m_source;
};

TEST_F(RoundTripTest, PersonsComeBackWithNewIdentifiers)
{
    // Every field its own text with the separators of every format; enclosers only where
    // the export doubles them.
    Person bob;
    int n = 0;
    for (std::string* field :
         {&bob.FName, &bob.LName, &bob.Addr1, &bob.City, &bob.State, &bob.Zip, &bob.HmPhone,
          &bob.WkPhone, &bob.WkExt, &bob.Fax, &bob.CelPhone, &bob.Pager, &bob.EMail, &bob.WebPage,
          &bob.Company, &bob.Position, &bob.Notes}) {
        *field = std::to_string(++n) + " Smith, Jr.; the |best|";
    }
    bob.FName = "Bob 'Bobby' \"B\"";
    bob.Company = "O'Hara & \"Sons\"";
    bob.YellowPages = 1;
    Person anna;  // only a company, and a name with nothing else
    anna.Company = "Acme";
    Person carl;
    carl.FName = "Carl";
    for (Person* p : {&bob, &anna, &carl}) {
        p->RName = p->GetDisplayName();
        m_source.Database().Persons().Add(*p);
    }
    m_source.Database().Persons().Remove(2);
    m_source.Database().Persons().Add(anna);  // identifiers with a gap

    for (const Format& format : kFormats) {
        PimDocument target;
        ASSERT_EQ(RoundTrip(RecordKind::Persons, format, target), 3);
        auto source = m_source.Database().Persons().begin();
        int32_t id = 1;
        for (const auto& [key, person] : target.Database().Persons()) {
            Person expected = source->second;
            expected.ID = id++;
            // The listing flags are not exported: an import lists in the white pages.
            expected.WhitePages = 1;
            expected.YellowPages = 0;
            EXPECT_EQ(person, expected) << format.separator << format.encloser << person.RName;
            ++source;
        }
    }
}

}  // namespace
}  // namespace orvane
