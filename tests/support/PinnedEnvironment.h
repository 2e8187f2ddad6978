#pragma once

namespace orvane::test {

// A test program started by hand must neither read nor write the user's own settings and
// data, and must see the zone and locale the tests were written for. Sets what ctest has
// not set already: HOME and the XDG folders under a private folder in the temporary
// folder, TZ=America/New_York and the C.UTF-8 locale.
void PinEnvironment();

}  // namespace orvane::test
