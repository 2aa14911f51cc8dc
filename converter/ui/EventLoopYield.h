#pragma once

#include "mdlCommon.h"

#include <chrono>
#include <functional>

// While it lives, the data export lets the Qt event loop of its thread run: a few times a
// second while it works, and, while the run is paused, by waiting for the next event (a click,
// a timer) instead of spinning. The hook that was installed before comes back at the end.
class EventLoopYield {
public:
    EventLoopYield();
    ~EventLoopYield();
    EventLoopYield(const EventLoopYield&) = delete;
    EventLoopYield& operator=(const EventLoopYield&) = delete;

    // How long the export works between two rounds of event processing.
    static constexpr std::chrono::milliseconds kInterval{50};

    // Test seam: while set, the export asks this function at every row pass instead of the
    // clock. A pass looks at one row; after processing events, or while paused, the export
    // looks at the same row again in a new pass. The function may press the dialog's buttons;
    // returning true makes the export process events at that pass. A paused export still waits
    // for an event (a timer of the test) before its next pass. Returns the function set before.
    using PassHook = std::function<bool()>;
    static PassHook SetPassHook(PassHook hook);

private:
    mdlCommon::YieldHook m_previous;
    std::chrono::steady_clock::time_point m_lastProcessed;
};
