#pragma once

#include <string>
#include <vector>

#include "platform/HelpViewer.h"

namespace orvane::test {

// Records what is asked of the help viewer.
class FakeHelpViewer : public HelpViewer {
public:
    struct Call {
        std::string address;
        HelpCommand command;
        uint32_t data;
    };
    bool ShowHelp(const std::string& address, HelpCommand command, uint32_t data) override
    {
        m_calls.push_back({address, command, data});
        return true;
    }
    std::vector<Call> m_calls;
};

}  // namespace orvane::test
