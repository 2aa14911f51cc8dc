#include "VexaRecord.h"

#include "AutomationError.h"
#include "Dispatch.h"

#include <algorithm>

namespace {

constexpr long kSubscriptOutOfRange = 9;

}  // namespace

std::vector<std::pair<QString, QVariant>>::const_iterator VexaRecord::Find(const QString& name) const
{
    return std::find_if(m_values.cbegin(), m_values.cend(), [&](const auto& entry) {
        return entry.first.compare(name, Qt::CaseInsensitive) == 0;
    });
}

const std::pair<QString, QVariant>& VexaRecord::At(int index) const
{
    if (index < 0 || index >= Count())
        throw automation::AutomationError(kSubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                                          QStringLiteral("Vexa.Record"));
    return m_values[static_cast<size_t>(index)];
}

void VexaRecord::SetValue(const QString& name, const QVariant& value)
{
    automation::Guard([&] {
        const auto found = Find(name);
        if (found == m_values.cend())
            m_values.emplace_back(name, value);
        else
            m_values[static_cast<size_t>(found - m_values.cbegin())].second = value;
    });
}

QVariant VexaRecord::GetValue(const QString& name) const
{
    return automation::Guard([&] {
        const auto found = Find(name);
        return found == m_values.cend() ? QVariant() : found->second;
    });
}

bool VexaRecord::HasValue(const QString& name) const
{
    return automation::Guard([&] { return Find(name) != m_values.cend(); });
}

QString VexaRecord::Name(int index) const
{
    return automation::Guard([&] { return At(index).first; });
}

QVariant VexaRecord::Value(int index) const
{
    return automation::Guard([&] { return At(index).second; });
}
