#pragma once

namespace orvane {

class MainFrame;
class Prompter;

// The File menu's three import and three export commands: each runs the transfer wizard
// and then the importer or exporter of its record type.
class TransferCommands {
public:
    static void Install(MainFrame& frame, Prompter& prompter);
};

}  // namespace orvane
