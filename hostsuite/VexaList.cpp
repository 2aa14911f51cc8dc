#include "VexaList.h"

#include "AutomationError.h"
#include "Dispatch.h"

namespace {

constexpr long kSubscriptOutOfRange = 9;
constexpr long kTypeMismatch = 13;
constexpr long kObjectNotSet = 91;

}  // namespace

void VexaList::Add(const automation::ObjectPtr& record)
{
    automation::Guard([&] {
        if (!record)
            throw automation::AutomationError(kObjectNotSet, QStringLiteral("Object variable not set"),
                                              QStringLiteral("Vexa.List"));
        auto* typed = qobject_cast<VexaRecord*>(record.get());
        if (!typed)
            throw automation::AutomationError(kTypeMismatch, QStringLiteral("Type mismatch: only records can be added"),
                                              QStringLiteral("Vexa.List"));
        m_records.emplace_back(record, typed);
    });
}

const VexaRecordPtr& VexaList::Record(int index) const
{
    if (index < 0 || index >= Count())
        throw automation::AutomationError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                                          QStringLiteral("Vexa.List"));
    return m_records[static_cast<size_t>(index)];
}

automation::ObjectPtr VexaList::Item(int index) const
{
    return automation::Guard([&]() -> automation::ObjectPtr { return Record(index); });
}

std::shared_ptr<VexaList> VexaList::From(const automation::ObjectPtr& object)
{
    auto* typed = qobject_cast<VexaList*>(object.get());
    return typed ? std::shared_ptr<VexaList>(object, typed) : nullptr;
}
