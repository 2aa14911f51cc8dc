// Any text through the T-SQL tokenizer, the batch splitter and the rewriter, the way the
// embedded provider takes a command text: split the batch at its control of flow, rewrite each
// part (an IF's condition as the query that tests it), once knowing no column and once over a
// database whose columns have types. Bad SQL may only end in an AutomationError.
#include "AutomationError.h"
#include "FuzzCheck.h"
#include "SqlTokenizer.h"
#include "TSqlCatalogue.h"
#include "TSqlBatch.h"
#include "TSqlRewriter.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace ado::provider;

// Tokens follow one another without gap or overlap from the first byte to the last, and only
// the last may run off the text.
void CheckTokens(std::string_view text)
{
    const std::vector<Token> tokens = TokenizeSql(text);
    size_t at = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        FUZZ_CHECK(t.begin == at && t.end > t.begin && t.end <= text.size());
        FUZZ_CHECK(t.closed || i + 1 == tokens.size());
        at = t.end;
        if (t.kind == TokenKind::QuotedName || t.kind == TokenKind::Word)
            NameOf(text, t);
        if (t.kind == TokenKind::String || t.kind == TokenKind::NString)
            StringContent(text, t);
    }
    FUZZ_CHECK(at == text.size());
    LastNamePart(text);
}

// Columns of every kind, so that the rewriter's ways with texts, numbers and dates are taken:
// a column's type follows from its name.
class TypedColumns : public TSqlCatalogue {
public:
    std::optional<TSqlDataType> ColumnType(std::string_view, std::string_view column) const override
    {
        static constexpr std::string_view kTypes[] = {"varchar(50)", "nvarchar(max)", "char(4)",      "sysname", "int",
                                                      "decimal(18,2)", "datetime",    "varbinary(16)", "bit"};
        if (column.empty())
            return std::nullopt;
        const size_t pick = (column.size() + std::tolower(static_cast<unsigned char>(column.front()))) %
                            (std::size(kTypes) + 1);
        if (pick == std::size(kTypes))
            return std::nullopt;  // a column the database does not have
        return TSqlDataType::Parse(kTypes[pick]);
    }
};

// The rewritten text of a text that rewrites holds no string, name or comment left open.
void Rewrite(const std::string& sql)
{
    static const TypedColumns typed;
    for (const TSqlCatalogue* catalogue : {static_cast<const TSqlCatalogue*>(nullptr), static_cast<const TSqlCatalogue*>(&typed)}) {
        try {
            const TSqlText rewritten = RewriteTSql(sql, catalogue);
            const std::vector<Token> tokens = TokenizeSql(rewritten.sql);
            FUZZ_CHECK(tokens.empty() || tokens.back().closed);
        } catch (const automation::AutomationError&) {
            // The server's answer to bad SQL.
        }
    }
}

void RunParts(const std::vector<BatchPart>& parts)
{
    for (const BatchPart& part : parts) {
        if (part.condition.empty()) {
            Rewrite(part.sql);
            continue;
        }
        Rewrite("select case when " + part.condition + " then 1 else 0 end");
        RunParts(part.then);
        RunParts(part.otherwise);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckTokens(text);
    if (const auto parts = SplitBatch(text))
        RunParts(*parts);
    else
        Rewrite(text);
    return 0;
}
