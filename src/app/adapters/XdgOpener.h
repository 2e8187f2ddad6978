#pragma once

#include <QString>

namespace orvane {

// Opens addresses through xdg-utils. QDesktopServices reports success as soon as xdg-open
// starts, even when nothing can open the address, and its URL parsing rewrites the
// address; so the desktop's MIME database is asked for a handler of the scheme first
// (xdg-mime), and the address goes to xdg-open exactly as formed.
class XdgOpener {
public:
    // xdg-mime is installed.
    static bool IsAvailable();
    // The desktop names a program for "scheme:" addresses.
    static bool HasHandler(const QString& scheme);
    // Runs xdg-open on the address: true when it succeeds, or when it still runs after a
    // short wait (the handler then runs in its place and is left running).
    static bool Open(const QString& address);
};

}  // namespace orvane
