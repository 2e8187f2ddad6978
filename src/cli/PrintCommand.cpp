#include "cli/PrintCommand.h"

#include <QGuiApplication>
#include <QPageSize>
#include <map>

#include "cli/DatabaseFiles.h"
#include "cli/PrintOptions.h"
#include "data/PimDocument.h"
#include "printing/PagedPrintJob.h"
#include "printing/ReportPdfWriter.h"
#include "reports/PersonPickerModel.h"
#include "rules/commands/ReportChoice.h"
#include "rules/panes/FormModel.h"

namespace orvane::cli {

namespace {

QPageSize PaperSize(const std::string& name)
{
    static const std::map<std::string, QPageSize::PageSizeId> sizes = {
        {"letter", QPageSize::Letter},
        {"legal", QPageSize::Legal},
        {"executive", QPageSize::Executive},
        {"a3", QPageSize::A3},
        {"a4", QPageSize::A4},
        {"a5", QPageSize::A5},
        {"b5", QPageSize::B5},
        {"envelope-10", QPageSize::Comm10E},
        {"envelope-dl", QPageSize::DLE},
    };
    const auto it = sizes.find(name);
    return QPageSize(it == sizes.end() ? QPageSize::Letter : it->second);
}

// Fonts need a GUI application; the command line has no display, so it paints offscreen.
// It lives until the process ends, like the program's own.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvane-cli";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

// Selects the persons of the options among those the phone book lists; the problem when
// an ID is not listed.
std::string ChoosePersons(const PrintOptions& options, ReportChoice& choice)
{
    PersonPickerModel picker(choice.OfferedPersons());
    if (options.allPersons) {
        picker.SelectAll(true);
    } else {
        picker.SetSelection(options.personIds);
        for (int32_t id : options.personIds) {
            if (!picker.IsSelected(id)) {
                return "person " + std::to_string(id) + " is not listed in the " +
                       (options.yellowPages ? "Yellow" : "White") + " Pages";
            }
        }
    }
    choice.ChoosePersons(ReportKinds::CommandOf(options.kind), picker.Chosen());
    return {};
}

}  // namespace

std::string PrintCommand::Summary() const
{
    const std::string indent = "\n" + std::string(24, ' ');
    return indent + "Write a report of DBFILE to a PDF file. REPORT: daily-plan, daily-tasks," +
           indent + "daily-appointments, address-book, envelopes. Options: --date YYYY-MM-DD," +
           indent + "--persons all|ID,..., --yellow-pages, --font FACE, --size N," + indent +
           "--margins L,T,R,B (thousandths of an inch), --paper letter|a4|..., --landscape";
}

int PrintCommand::Run(const std::vector<std::string>& arguments, CliContext& context)
{
    std::string problem;
    const auto options = PrintOptions::Parse(arguments, problem);
    if (!options) {
        context.err << "orvane-cli: print: " << problem << "\nUsage: " << PrintOptions::Usage()
                    << "\n";
        return kUsage;
    }
    PimDocument document;
    if (const int status = DatabaseFiles::Load(options->database, document.Database(), context);
        status != kSuccess) {
        return status;
    }
    FormModel form(document);
    form.SetListing(options->yellowPages ? Listing::YellowPages : Listing::WhitePages);
    form.RefillAll();
    PimDateTime day = PimDateTime::Today();
    if (options->year &&
        !day.SetDateTime(*options->year, *options->month, *options->day, 0, 0, 0)) {
        context.err << "orvane-cli: print: no such day\n";
        return kUsage;
    }
    form.SelectDay(day.GetYear(), day.GetMonth(), day.GetDay());

    ReportChoice choice(form);
    if (ReportChoice::IsDailyCommand(ReportKinds::CommandOf(options->kind))) {
        choice.ChooseDaily(ReportKinds::CommandOf(options->kind));
    } else if (problem = ChoosePersons(*options, choice); !problem.empty()) {
        context.err << "orvane-cli: print: " << problem << "\n";
        return kUsage;
    }

    EnsureGuiApplication();
    const ReportPdfWriter::Result result =
        ReportPdfWriter::Write(options->kind, choice.Records(), options->settings,
                               PaperSize(options->paper), options->pdf, options->landscape);
    if (result.failed) {
        context.err << "Unable to write file!\n";
        return kWriteFailed;
    }
    if (result.pages == 0) {
        context.out << PagedPrintJob::kNoPagesText << "\n";
        return kSuccess;
    }
    context.out << result.pages << (result.pages == 1 ? " page" : " pages") << " written.\n";
    return kSuccess;
}

}  // namespace orvane::cli
