#pragma once

#include "Recordset.h"
#include "Value.h"
#include "XmlElement.h"
#include "clsConnection.h"
#include "clsUtility.h"

#include <QString>

#include <functional>
#include <string>

// The converter's module: its process-wide utility objects, the value-to-text function of the
// exports, and the seams through which a user interface joins a headless engine.
namespace mdlCommon {

// The one clsUtility shared by every converter and by GetValueText, and the one clsConnection
// of ExportDB; both live until the library unloads.
clsUtility& Utility();
clsConnection& Connection();

// What clsUtility::ValueText gives for the same arguments, through the shared instance.
std::string GetValueText(const ado::Recordset& value, bool bNumeric);
std::string GetValueText(const ado::Value& value, bool bNumeric);
// The number a numeric value text stands for (blanks around it allowed); AutomationError 13
// "Type mismatch" for a text that is no number.
double NumberFromText(const std::string& text);

// The connection text of a database element: its server element's constr when that is not
// empty, else one built from the server's user, pwd and name and the database's name, with the
// values copied as they stand.
std::string ConnectionTextOf(const xml::XmlElement& objNode);

// The yield hook: how the data export lets a user interface on the same thread run. The export
// asks InputPending at every row pass; when it says yes, or the run is paused, the export calls
// ProcessEvents and then looks at the same row again. ProcessEvents must handle what was
// pending (so InputPending turns false), and with bPaused it should wait for an event rather
// than return at once. Without a hook nothing is pending and a pause sleeps briefly per pass.
struct YieldHook {
    std::function<bool()> InputPending;
    std::function<void(bool bPaused)> ProcessEvents;
};

// Installs the hook (an empty one removes it); returns the previous one.
YieldHook SetYieldHook(YieldHook hook);

namespace detail {
extern bool g_yieldHookInstalled;
bool CallInputPending();
}  // namespace detail

// Cheap enough to ask at every row: no call when no hook is installed.
inline bool InputPending() { return detail::g_yieldHookInstalled && detail::CallInputPending(); }
// Lets the user interface run once; sleeps briefly when paused without a hook.
void ProcessEvents(bool bPaused);

// How clsConverter::Show opens the template dialog: the dialog's library installs the handler
// (it shows the dialog modally with strPath in its template box and returns when it closes).
using ShowHandler = std::function<void(const QString& strPath)>;
ShowHandler SetShowHandler(ShowHandler handler);
const ShowHandler& CurrentShowHandler();

}  // namespace mdlCommon
