#include "platform/HelpAddress.h"

namespace orvane {

std::string HelpAddress::File(std::string_view programDir)
{
    std::string address(programDir);
    address += '\\';
    address += kHelpFile;
    return address;
}

std::string HelpAddress::Topic(std::string_view programDir, std::string_view page)
{
    std::string address = File(programDir);
    address += "::/html/";
    address += page;
    address += ">topic";
    return address;
}

std::string HelpAddress::Contents(std::string_view programDir)
{
    return File(programDir) + "::/html/Introduction.htm>mainwin";
}

}  // namespace orvane
