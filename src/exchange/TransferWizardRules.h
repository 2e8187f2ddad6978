#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/FieldAssignments.h"
#include "exchange/RecordKind.h"
#include "exchange/TransferSettings.h"
#include "platform/Prompter.h"

namespace orvane {

// A message a wizard page shows before it stays where it is.
struct WizardNotice {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
};

// What the transfer wizard's pages decide, apart from the widgets: the texts they show,
// what leaving a page stores in the settings, and when a page refuses to be left.
class TransferWizardRules {
public:
    // Ids the wizard's own buttons carry, for context help.
    static constexpr int kCancelButton = 2;
    static constexpr int kHelpButton = 9;
    static constexpr int kBackButton = 12323;
    static constexpr int kNextButton = 12324;
    static constexpr int kFinishButton = 12325;
    // The fields page's "Match Columns" button, an addition past the page's own controls.
    static constexpr int kMatchColumnsButton = 1160;

    // "Import Tasks From Text File" and its kin, shown until the first page appears.
    static std::string Title(RecordKind kind, bool importing);
    // The open or save dialog behind the "..." button.
    static FileDialogRequest BrowseRequest(const std::string& currentText);

    // Leaving the file page: stores the path and, importing, the file's first line.
    static std::optional<WizardNotice> AcceptFile(TransferSettings& settings,
                                                  const std::string& path, bool importing);
    // Leaving the structure page; a row of -1 is a list without a selection.
    static std::optional<WizardNotice> AcceptFormat(TransferSettings& settings, int separatorRow,
                                                    int encloserRow, bool firstLineHasNames);

    // "Persons Fields" and its kin.
    static std::string FieldsHeader(const TransferSettings& settings);
    // The columns of the file's first line, recorded in the settings, none assigned yet.
    static FieldAssignments ImportColumns(TransferSettings& settings);
    // Finish: rebuild the mapping and check it.
    static std::optional<WizardNotice> AcceptImportFields(TransferSettings& settings,
                                                          RecordKind kind,
                                                          const FieldAssignments& assignments);
    static std::optional<WizardNotice> AcceptExportFields(TransferSettings& settings,
                                                          const std::vector<bool>& ticked);

    // "csvimport.htm" or "csvexport.htm".
    static const char* HelpPage(bool importing);
    // The pop-up topic of a control, 0 for a control that has none.
    static int PopupTopic(int controlId);
};

}  // namespace orvane
