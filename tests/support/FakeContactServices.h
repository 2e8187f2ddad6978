#pragma once

#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Dialer.h"

namespace orvane::test {

// Records the numbers asked for and answers with a settable result.
class FakeDialer : public Dialer {
public:
    bool bindResult = true;
    int32_t callResult = kAccepted;
    int binds = 0;
    std::vector<std::string> numbers;

    bool Bind() override
    {
        ++binds;
        return bindResult;
    }
    int32_t RequestMakeCall(const std::string& number) override
    {
        numbers.push_back(number);
        return callResult;
    }
};

// Records the addresses it is asked to open.
class FakeDesktop : public Desktop {
public:
    bool result = true;
    std::vector<std::string> addresses;

    bool OpenAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return result;
    }
};

}  // namespace orvane::test
