#include "ConnectionText.h"

#include <algorithm>
#include <cctype>

namespace ado {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

ConnectionText::ConnectionText(std::string_view text)
{
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const size_t eq = pair.find('=');
        const std::string_view key = Trim(pair.substr(0, eq));
        if (key.empty())
            continue;
        const std::string_view value = eq == std::string_view::npos ? std::string_view{} : Trim(pair.substr(eq + 1));
        m_pairs.emplace_back(std::string(key), std::string(value));
    }
}

std::optional<std::string> ConnectionText::Get(std::string_view key) const
{
    for (const auto& [k, v] : m_pairs)
        if (EqualsNoCase(k, key))
            return v;
    return std::nullopt;
}

std::string ConnectionText::GetOr(std::string_view key, std::string fallback) const
{
    auto value = Get(key);
    return value ? *value : std::move(fallback);
}

}  // namespace ado
