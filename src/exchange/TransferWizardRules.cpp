#include "exchange/TransferWizardRules.h"

#include <map>

#include "exchange/FirstLinePreview.h"
#include "exchange/RequiredFieldRule.h"

namespace orvane {

std::string TransferWizardRules::Title(RecordKind kind, bool importing)
{
    switch (kind) {
        case RecordKind::Persons:
            return importing ? "Import Person Information From Text File"
                             : "Export Person Information To Text File";
        case RecordKind::Tasks:
            return importing ? "Import Tasks From Text File" : "Export Tasks To Text File";
        case RecordKind::Appointments:
            return importing ? "Import Appointments From Text File"
                             : "Export Appointments To Text File";
    }
    return {};
}

FileDialogRequest TransferWizardRules::BrowseRequest(const std::string& currentText)
{
    FileDialogRequest request;
    request.filters = {{"Comma Separated files (*.csv)", "*.csv"},
                       {"Text Files (*.txt)", "*.txt"},
                       {"All files (*.)", "*.*"}};
    request.defaultExtension = "csv";
    request.initialName = currentText;
    request.confirmOverwrite = true;
    return request;
}

std::optional<WizardNotice> TransferWizardRules::AcceptFile(TransferSettings& settings,
                                                            const std::string& path, bool importing)
{
    if (path.empty()) {
        return WizardNotice{"You must enter a file name", "Enter File Name"};
    }
    settings.fileName = path;
    if (!importing) {
        return std::nullopt;
    }
    std::optional<std::string> line = FirstLinePreview::Read(path);
    if (!line) {
        return WizardNotice{"Unable to open file", "File Error"};
    }
    settings.firstLine = std::move(*line);
    return std::nullopt;
}

std::optional<WizardNotice> TransferWizardRules::AcceptFormat(TransferSettings& settings,
                                                              int separatorRow, int encloserRow,
                                                              bool firstLineHasNames)
{
    const auto& separators = TextFormat::SeparatorChoices();
    const auto& enclosers = TextFormat::EncloserChoices();
    if (separatorRow < 0 || separatorRow >= static_cast<int>(separators.size()) ||
        encloserRow < 0 || encloserRow >= static_cast<int>(enclosers.size())) {
        return WizardNotice{
            "You must select both a character that encloses each text field "
            "and one that separates each field.",
            "Choose Formatting Characters"};
    }
    settings.separator = separators[separatorRow].value;
    settings.encloser = enclosers[encloserRow].value;
    settings.firstLineHasNames = firstLineHasNames;
    return std::nullopt;
}

std::string TransferWizardRules::FieldsHeader(const TransferSettings& settings)
{
    return settings.typeName + " Fields";
}

FieldAssignments TransferWizardRules::ImportColumns(TransferSettings& settings)
{
    settings.columnNames =
        FirstLinePreview::Columns(settings.firstLine, settings.separator, settings.encloser);
    settings.columnCount = static_cast<int>(settings.columnNames.size());
    return FieldAssignments(settings.columnNames);
}

std::optional<WizardNotice> TransferWizardRules::AcceptImportFields(
    TransferSettings& settings, RecordKind kind, const FieldAssignments& assignments)
{
    settings.mapping = assignments.Mapping();
    if (std::optional<std::string> message = RequiredFieldRule::Check(kind, settings.mapping)) {
        return WizardNotice{*message, RequiredFieldRule::Caption(), MessageIcon::Warning};
    }
    return std::nullopt;
}

std::optional<WizardNotice> TransferWizardRules::AcceptExportFields(TransferSettings& settings,
                                                                    const std::vector<bool>& ticked)
{
    settings.mapping.clear();
    for (size_t row = 0; row < ticked.size() && row < settings.fieldNames.size(); ++row) {
        if (ticked[row]) {
            settings.mapping.push_back(settings.fieldNames[row]);
        }
    }
    if (settings.mapping.empty()) {
        // The caption is the one the import check uses; the text says what is missing.
        return WizardNotice{"You must tick at least one field to export.",
                            RequiredFieldRule::Caption(), MessageIcon::Warning};
    }
    return std::nullopt;
}

const char* TransferWizardRules::HelpPage(bool importing)
{
    return importing ? "csvimport.htm" : "csvexport.htm";
}

int TransferWizardRules::PopupTopic(int controlId)
{
    static const std::map<int, int> topics = {
        {kBackButton, 1008}, {kCancelButton, 1001},
        {kNextButton, 1007}, {kFinishButton, 1009},
        {kHelpButton, 1002}, {1048, 1500},
        {1049, 1501},        {1000, 1500},
        {1144, 1502},        {1149, 1502},
        {1135, 1504},        {1001, 1504},
        {1140, 1506},        {1002, 1506},
        {1141, 1508},        {1003, 1508},
        {1145, 1510},        {1004, 1510},
        {1148, 1550},        {1005, 1550},
        {1147, 1551},        {kMatchColumnsButton, 1560},
    };
    const auto it = topics.find(controlId);
    return it == topics.end() ? 0 : it->second;
}

}  // namespace orvane
