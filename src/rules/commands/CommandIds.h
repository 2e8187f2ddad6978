#pragma once

namespace orvane {

// The commands of the menu bar, the toolbars and the key bindings, by their fixed numbers.
enum CommandId : int {
    kCmdNew = 57600,
    kCmdOpen = 57601,
    kCmdSave = 57603,
    kCmdSaveAs = 57604,
    kCmdPageSetup = 57605,
    kCmdPrint = 57607,
    kCmdPrintPreview = 57609,
    kCmdRecentFirst = 57616,
    kCmdRecentLast = 57631,
    kCmdCompact = 32787,
    kCmdImportTasks = 32813,
    kCmdImportPersons = 32814,
    kCmdImportAppointments = 32815,
    kCmdExportTasks = 32801,
    kCmdExportPersons = 32781,
    kCmdExportAppointments = 32783,
    kCmdExit = 57665,
    // Added after the original commands, outside their ranges.
    kCmdRestoreVersion = 32900,
    kCmdImportVCard = 32901,
    kCmdImportICalendar = 32902,
    kCmdExportVCard = 32903,
    kCmdExportICalendar = 32904,

    kCmdTaskAdd = 32790,
    kCmdTaskDelete = 32791,
    kCmdTaskEdit = 32792,
    kCmdTaskComplete = 32793,
    kCmdPersonAdd = 32775,
    kCmdPersonDelete = 32776,
    kCmdPersonEdit = 32777,
    kCmdAppointmentAdd = 32797,
    kCmdAppointmentDelete = 32798,
    kCmdAppointmentEdit = 32799,

    kCmdEditUser = 32771,
    kCmdAlarmSound = 32789,

    kCmdReportDailyPlan = 32778,
    kCmdReportDailyTasks = 32780,
    kCmdReportDailyAppointments = 32779,
    kCmdReportEnvelopes = 32782,
    kCmdReportAddressBook = 32784,
    kCmdReportFont = 32785,

    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdHelpTopics = 57667,
    kCmdAbout = 57664,
    kCmdContextHelp = 57669,

    kCmdPreviewClose = 58112,
    kCmdPreviewNext = 58114,
    kCmdPreviewPrevious = 58115,
    kCmdZoomIn = 32819,
    kCmdZoomOut = 32820,

    kCmdUndo = 57643,
    kCmdCut = 57635,
    kCmdCopy = 57634,
    kCmdPaste = 57637,
    kCmdNextPane = 57680,
    kCmdPreviousPane = 57681,

    // Sync with vdir folders, numbered apart from the commands above.
    kCmdSynchronize = 0x9100,
    kCmdSyncSettings = 0x9101,
};

// The string shown in the status bar while nothing is hovered.
constexpr int kStringReady = 57345;

}  // namespace orvane
