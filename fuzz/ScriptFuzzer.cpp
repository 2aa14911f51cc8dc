// Any text as a script for tabrix apply: read statement after statement, and each run of
// single-row inserts of the same head joined as the runner sends them to a server. The
// statements must follow one another inside the script, and a joined insert must hold each
// row's values as they stand, nothing of one row running into the next.
#include "FuzzCheck.h"
#include "ScriptReader.h"
#include "SingleRowInsert.h"
#include "SqlTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ado::provider;

bool Inside(std::string_view part, std::string_view whole)
{
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

// The significant tokens' texts of a text.
std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    for (const Token& t : TokenizeSql(text)) {
        FUZZ_CHECK(t.closed);
        if (t.Significant())
            words.push_back(TokenText(text, t));
    }
    return words;
}

// The joined insert, made as the runner makes it (the first insert, then ",\n" and each further
// row), reads as the first insert's tokens, then a comma and each row's own tokens.
void CheckJoined(std::string_view first, const std::vector<std::string_view>& rows)
{
    std::string joined(first);
    std::vector<std::string_view> expected = Words(first);
    for (const std::string_view row : rows) {
        joined += ",\n";
        joined += row;
        expected.push_back(",");
        const std::vector<std::string_view> own = Words(row);
        expected.insert(expected.end(), own.begin(), own.end());
    }
    FUZZ_CHECK(Words(joined) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    ScriptReader reader(script);
    const char* after = script.data();
    long line = 1;
    std::optional<SingleRowInsert> first;
    std::string_view firstText;
    std::vector<std::string_view> rows;
    std::vector<SingleRowInsert::Kind> kinds;
    while (const auto statement = reader.Next()) {
        FUZZ_CHECK(!statement->text.empty() && Inside(statement->text, script) && statement->text.data() >= after);
        FUZZ_CHECK(statement->line >= line);
        after = statement->text.data() + statement->text.size();
        line = statement->line;

        auto insert = SingleRowInsert::Read(statement->text);
        if (!insert) {
            first.reset();
            continue;
        }
        FUZZ_CHECK(Inside(insert->Head(), statement->text) && Inside(insert->Row(), statement->text));
        FUZZ_CHECK(insert->Row().front() == '(' && insert->Row().back() == ')');
        if (first && insert->Head() == first->Head() && insert->JoinTo(kinds)) {
            rows.push_back(insert->Row());
            CheckJoined(firstText, rows);
            continue;
        }
        kinds = insert->Kinds();
        first = std::move(insert);
        firstText = statement->text;
        rows.clear();
    }
    FUZZ_CHECK(reader.Position() <= script.size());
    return 0;
}
