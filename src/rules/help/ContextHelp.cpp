#include "rules/help/ContextHelp.h"

#include <algorithm>
#include <array>

#include "platform/HelpAddress.h"
#include "platform/HelpViewer.h"

namespace orvane {

namespace {

template <size_t N>
bool Contains(const std::array<int, N>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool InRange(int id, int first, int last)
{
    return id >= first && id <= last;
}

}  // namespace

ContextHelp::ContextHelp(ViewerSource viewer, std::string programDir)
    : m_viewer(std::move(viewer)), m_programDir(std::move(programDir))
{}

bool ContextHelp::Covers(Editor editor, int controlId)
{
    switch (editor) {
        case Editor::Person:
            // General 1013-1016 and the listing boxes, Phone 1022-1029, Address 1017-1021,
            // Notes 1030.
            return InRange(controlId, 1013, 1030) || controlId == 1044 || controlId == 1045;
        case Editor::Task: {
            constexpr std::array<int, 10> kIds{1,    2,    1022, 1023, 1024,
                                               1025, 1038, 1051, 1100, 1110};
            return Contains(kIds, controlId);
        }
        case Editor::Appointment:
            return controlId == 1 || controlId == 2 || controlId == 1000 || controlId == 1033 ||
                   InRange(controlId, 1037, 1043) || InRange(controlId, 1069, 1075);
        case Editor::User:
            return InRange(controlId, 1013, 1021);
    }
    return false;
}

bool ContextHelp::Request(Editor editor, int controlId) const
{
    HelpViewer* viewer = m_viewer ? m_viewer() : nullptr;
    const uint32_t helpId = HelpPopupTexts::EditorHelpId(editor, controlId);
    if (!viewer || helpId == 0) {
        return false;
    }
    return viewer->ShowHelp(HelpAddress::File(m_programDir), HelpCommand::ContextPopup, helpId);
}

}  // namespace orvane
