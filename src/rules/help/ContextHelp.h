#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "rules/help/HelpPopupTexts.h"

namespace orvane {

class HelpViewer;

// F1 and the context-help click inside the editors: the control's popup from the help
// file, through whatever help viewer the program has at that moment.
class ContextHelp {
public:
    using Editor = HelpDialog;
    using ViewerSource = std::function<HelpViewer*()>;

    ContextHelp(ViewerSource viewer, std::string programDir);

    // Whether the editor has a popup for the control; requests for others go unhandled.
    static bool Covers(Editor editor, int controlId);
    // Asks the viewer for the popup of the editor's control, by its help number; false when
    // the control has no number, there is no viewer, or it showed nothing.
    bool Request(Editor editor, int controlId) const;

private:
    ViewerSource m_viewer;
    std::string m_programDir;
};

}  // namespace orvane
