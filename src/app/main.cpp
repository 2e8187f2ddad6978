#include "app/Startup.h"

int main(int argc, char** argv)
{
    return orvane::Startup::Run(argc, argv);
}
