#pragma once

#include <QString>
#include <QVariant>

// The component's shared module: the host's login context and the localised-text lookup.
// Module state (the language cache and the resource loader) lives until the component unloads.
namespace modPublic {

// The host's language code in upper case ("CHS", "CHT", "EN", ...), possibly empty. Read from
// the connection text once and cached; an empty result is read again next time.
QString GetLanguage();

// The text to show for a simplified-Chinese source text, in the host's language. Never fails:
// without a loader, or when the loader fails, the source text comes back unchanged. Leaves the
// caller's pending error exactly as it was.
QString LocalText(const QString& sourceText);

// The value the host's shared-property service holds for this process under the name, or an
// empty value; every failure on the way is ignored.
QVariant GetSharedProperty(const QString& name);
// The account connection text ("PropsString"), or empty text. A null value raises error 94.
QString GetPropsString();
// The current account's name ("AcctName"), or empty text. A null value raises error 94.
QString GetAcctName();
// The value of the first "key=" in the connection text (searched without regard to case, also
// inside a longer key name) up to the next ";", in upper case; empty text when there is none,
// when it stands beyond character 32767, or on any failure.
QString GetPropsValue(const QString& key);

// The text without leading and trailing blanks (spaces only; tabs and line breaks stay).
QString TrimBlanks(const QString& text);

// Drops the module state as unloading the component does: the next lookup reads the language
// again and creates a new loader.
void ReleaseModuleState();

}  // namespace modPublic
