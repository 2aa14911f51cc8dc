#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ado {

// A connection text: "key=value" pairs separated by ";". Keys compare without regard to
// case; blanks around keys and values are dropped; the last pair may lack its ";".
class ConnectionText {
public:
    explicit ConnectionText(std::string_view text);

    std::optional<std::string> Get(std::string_view key) const;
    std::string GetOr(std::string_view key, std::string fallback = {}) const;
    const std::vector<std::pair<std::string, std::string>>& Pairs() const { return m_pairs; }

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
};

}  // namespace ado
