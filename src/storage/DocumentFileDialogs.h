#pragma once

#include <string>

#include "platform/Prompter.h"

namespace orvane {

// The open and save dialogs of the database file commands.
class DocumentFileDialogs {
public:
    static FileDialogRequest OpenRequest();
    // initialName: the document's title (its path, or "Untitled").
    static FileDialogRequest SaveRequest(const std::string& initialName);
};

}  // namespace orvane
