#include "InsertBatches.h"

#include "AutomationError.h"

#include <charconv>

InsertBatches::InsertBatches(const std::string& attribute)
{
    if (attribute.empty())
        return;
    long size = 0;
    const auto [end, ec] = std::from_chars(attribute.data(), attribute.data() + attribute.size(), size);
    if (ec != std::errc() || end != attribute.data() + attribute.size() || size < 1 || size > kMostInserts)
        throw automation::AutomationError(
            5, QStringLiteral("The server element's batch attribute '%1' is not a number of inserts from 1 to %2.")
                   .arg(QString::fromStdString(attribute))
                   .arg(kMostInserts));
    m_size = size;
}

bool InsertBatches::BeforeRow()
{
    if (m_size == 0 || m_open)
        return false;
    m_open = true;
    m_rows = 0;
    return true;
}

bool InsertBatches::AfterRow()
{
    if (!m_open || ++m_rows < m_size)
        return false;
    m_open = false;
    return true;
}

bool InsertBatches::Close()
{
    const bool open = m_open;
    m_open = false;
    return open;
}
