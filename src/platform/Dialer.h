#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The telephony service that places a call for the program.
class Dialer {
public:
    // Result codes of a call request.
    static constexpr int32_t kAccepted = 0;
    static constexpr int32_t kFailed = -1;
    static constexpr int32_t kNoRecipient = -2;
    static constexpr int32_t kQueueFull = -3;
    static constexpr int32_t kInvalidAddress = -4;

    virtual ~Dialer() = default;
    // Connects to the service; called once per process, false when it is not there.
    virtual bool Bind() = 0;
    // Asks the service to dial the number exactly as given.
    virtual int32_t RequestMakeCall(const std::string& number) = 0;
};

}  // namespace orvane
