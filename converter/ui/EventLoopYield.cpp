#include "EventLoopYield.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <utility>

namespace {

EventLoopYield::PassHook& CurrentPassHook()
{
    static EventLoopYield::PassHook hook;
    return hook;
}

}  // namespace

EventLoopYield::PassHook EventLoopYield::SetPassHook(PassHook hook)
{
    return std::exchange(CurrentPassHook(), std::move(hook));
}

EventLoopYield::EventLoopYield() : m_lastProcessed(std::chrono::steady_clock::now())
{
    // Asked at every row: one clock read, the events themselves only once per interval.
    m_previous = mdlCommon::SetYieldHook(
        {[this] {
             if (CurrentPassHook()) {
                 // A copy: the test may set another hook while this one runs.
                 const PassHook hook = CurrentPassHook();
                 return hook();
             }
             return std::chrono::steady_clock::now() - m_lastProcessed >= kInterval;
         },
         [this](bool bPaused) {
             // A pause ends only through an event (a press, a timer), so waiting for one is enough.
             QCoreApplication::processEvents(bPaused ? QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents
                                                     : QEventLoop::AllEvents);
             m_lastProcessed = std::chrono::steady_clock::now();
         }});
}

EventLoopYield::~EventLoopYield() { mdlCommon::SetYieldHook(std::move(m_previous)); }
