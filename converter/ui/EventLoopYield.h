#pragma once

#include "mdlCommon.h"

#include <chrono>

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

private:
    mdlCommon::YieldHook m_previous;
    std::chrono::steady_clock::time_point m_lastProcessed;
};
