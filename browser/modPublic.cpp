#include "modPublic.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "ShareProps.h"

#include <QMetaType>

namespace modPublic {

namespace {

constexpr long kInvalidUseOfNull = 94;
constexpr long kTypeMismatch = 13;
// The position of a found key is held in a 16-bit signed integer.
constexpr qsizetype kLastPosition = 32767;

const QString kResFileBaseName = QStringLiteral("NorvDesign");

struct ModuleState {
    QString language;
    automation::ObjectPtr loader;
};

ModuleState& State()
{
    static ModuleState state;
    return state;
}

bool IsObject(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<automation::ObjectPtr>() ||
           (value.metaType().flags() & QMetaType::PointerToQObject);
}

// A shared property as text: an empty value gives empty text, a null or an object fails.
QString PropertyText(const QVariant& value)
{
    if (!value.isValid())
        return {};
    if (value.metaType() == QMetaType::fromType<std::nullptr_t>())
        throw automation::AutomationError(kInvalidUseOfNull, QStringLiteral("Invalid use of Null"));
    if (IsObject(value) || !value.canConvert<QString>())
        throw automation::AutomationError(kTypeMismatch, QStringLiteral("Type mismatch"));
    return value.toString();
}

}  // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString GetLanguage()
{
    ModuleState& state = State();
    if (state.language.isEmpty())
        state.language = GetPropsValue(QStringLiteral("Language"));
    return state.language.toUpper();
}

QString LocalText(const QString& sourceText)
{
    const QString key = TrimBlanks(sourceText);
    if (key.isEmpty())
        return {};
    // Puts the caller's pending error back on every way out (none pending stays none).
    const automation::SavedError savedError;
    try {
        ModuleState& state = State();
        if (state.language.isEmpty())
            state.language = GetPropsValue(QStringLiteral("Language"));
        if (!state.loader)
            state.loader = automation::CreateObject(QStringLiteral("NorvResLoader.Loader"));
        QObject* loader = state.loader.get();
        // Read every time, written only on change: another user of the loader may have moved it.
        if (automation::GetProperty(loader, "ResFileBaseName").toString() != kResFileBaseName)
            automation::SetProperty(loader, "ResFileBaseName", kResFileBaseName);
        if (automation::GetProperty(loader, "LanguageID").toString() != state.language)
            automation::SetProperty(loader, "LanguageID", state.language);

        const qsizetype at = sourceText.indexOf(key);
        const QString leading = sourceText.left(at);
        const QString trailing = sourceText.mid(at + key.size());
        const QVariant text = automation::Invoke(loader, "LoadString", {key});
        return leading + text.toString() + trailing;
    } catch (...) {
        return sourceText;
    }
}

QVariant GetSharedProperty(const QString& name)
{
    // Every step's failure is ignored: the result stays as it was and the next step runs.
    QVariant result;
    qint32 processId = 0;
    std::shared_ptr<ShareProps> service;
    try {
        processId = ShareProps::CurrentProcessId();
        service = automation::ComponentRegistry::Instance().CreateAs<ShareProps>(QStringLiteral("PropsMgr.ShareProps"));
    } catch (...) {
        return result;
    }
    bool isObject = false;
    try {
        isObject = IsObject(service->GetProperty(processId, name));
    } catch (...) {
    }
    try {
        const QVariant value = service->GetProperty(processId, name);
        // A plain read of a value that has become an object in between takes nothing.
        if (isObject || !IsObject(value))
            result = value;
    } catch (...) {
    }
    return result;
}

QString GetPropsString()
{
    return PropertyText(GetSharedProperty(QStringLiteral("PropsString")));
}

QString GetAcctName()
{
    return PropertyText(GetSharedProperty(QStringLiteral("AcctName")));
}

QString GetPropsValue(const QString& key)
{
    try {
        QString text = GetPropsString();
        if (!text.endsWith(u';'))
            text += u';';
        const qsizetype found = text.indexOf(key + u'=', 0, Qt::CaseInsensitive);
        if (found < 0 || found >= kLastPosition)
            return {};
        QString pair = text.mid(found);
        pair.truncate(pair.indexOf(u';'));
        return pair.mid(key.size() + 1).toUpper();
    } catch (...) {
        return {};
    }
}

void ReleaseModuleState()
{
    State() = ModuleState{};
}

}  // namespace modPublic
