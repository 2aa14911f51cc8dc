#include "mdlCommon.h"

#include "AutomationError.h"

#include <charconv>
#include <chrono>
#include <thread>
#include <utility>

namespace mdlCommon {

namespace detail {
bool g_yieldHookInstalled = false;
}  // namespace detail

namespace {

YieldHook& Hook()
{
    static YieldHook hook;
    return hook;
}

ShowHandler& Handler()
{
    static ShowHandler handler;
    return handler;
}

}  // namespace

clsUtility& Utility()
{
    static clsUtility utility;
    return utility;
}

clsConnection& Connection()
{
    static clsConnection connection;
    return connection;
}

std::string GetValueText(const ado::Recordset& value, bool bNumeric) { return Utility().ValueText(value, bNumeric); }

std::string GetValueText(const ado::Value& value, bool bNumeric) { return Utility().ValueText(value, bNumeric); }

double NumberFromText(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ')
        ++first;
    while (last != first && last[-1] == ' ')
        --last;
    double number = 0;
    const auto result = std::from_chars(first, last, number);
    if (first == last || result.ec != std::errc() || result.ptr != last)
        throw automation::AutomationError(13, QStringLiteral("Type mismatch"));
    return number;
}

std::string ConnectionTextOf(const xml::XmlElement& objNode)
{
    const clsUtility& utility = Utility();
    const xml::XmlElement server = objNode.Parent();
    std::string text = utility.GetAttrText("constr", server);
    if (text.empty())
        text = "Provider=SQLOLEDB.1;User ID=" + utility.GetAttrText("user", server) +
               ";pwd=" + utility.GetAttrText("pwd", server) + ";Initial Catalog=" + utility.GetAttrText("name", objNode) +
               ";Data Source=" + utility.GetAttrText("name", server);
    return text;
}

YieldHook SetYieldHook(YieldHook hook)
{
    YieldHook previous = std::exchange(Hook(), std::move(hook));
    detail::g_yieldHookInstalled = static_cast<bool>(Hook().InputPending) || static_cast<bool>(Hook().ProcessEvents);
    return previous;
}

bool detail::CallInputPending() { return Hook().InputPending && Hook().InputPending(); }

void ProcessEvents(bool bPaused)
{
    if (Hook().ProcessEvents) {
        // A copy: the handler may replace the hook while it runs.
        const auto process = Hook().ProcessEvents;
        process(bPaused);
        return;
    }
    // Headless: nothing to process, and a pause must not spin the processor.
    if (bPaused)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

ShowHandler SetShowHandler(ShowHandler handler) { return std::exchange(Handler(), std::move(handler)); }

const ShowHandler& CurrentShowHandler() { return Handler(); }

}  // namespace mdlCommon
