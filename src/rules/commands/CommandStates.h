#pragma once

#include <cstddef>
#include <map>

#include "rules/panes/FormState.h"

namespace orvane {

// Which commands are enabled and checked, worked out from the state of the document, the
// form and the report engine whenever the window is about to wait for input.
class CommandStates {
public:
    struct Input {
        bool modified = false;
        // The document has a file with kept versions.
        bool hasVersions = false;
        size_t persons = 0;
        size_t tasks = 0;
        size_t appointments = 0;
        FormState form;
        bool toolbarVisible = true;
        bool statusBarVisible = true;
        // Print preview.
        bool previewing = false;
        int currentPage = 0;
        int pageCount = 0;
        bool canZoomIn = false;
        bool canZoomOut = false;
        // The database has sync folders and no sync is running.
        bool canSynchronize = false;
    };
    struct State {
        bool enabled = true;
        bool checked = false;
    };

    static CommandStates Compute(const Input& input);

    // Commands the table does not name are enabled and unchecked.
    State Of(int commandId) const;
    bool IsEnabled(int commandId) const { return Of(commandId).enabled; }
    bool IsChecked(int commandId) const { return Of(commandId).checked; }

private:
    void Enable(int commandId, bool enabled) { m_states[commandId].enabled = enabled; }
    void Check(int commandId, bool checked) { m_states[commandId].checked = checked; }
    void ComputeRecordCommands(const Input& input);
    void ComputeReportCommands(const Input& input);
    void ComputePreviewCommands(const Input& input);

    std::map<int, State> m_states;
};

}  // namespace orvane
