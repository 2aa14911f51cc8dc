#include "TSqlProcedureCall.h"

#include "TSqlError.h"

namespace ado::provider {

namespace {

constexpr const char* kProcedure = "sp_helpindex";

[[noreturn]] void Fail(const std::string& message)
{
    throw ProviderError(kErrorCommand, message);
}

// How SQL Server quotes a token in "Incorrect syntax near '...'.": a string by its content.
std::string Near(const TSqlTokens& tokens, size_t i)
{
    const TokenKind kind = tokens.Kind(i);
    if (kind == TokenKind::String || kind == TokenKind::NString)
        return StringContent(tokens.Source(), tokens.At(i));
    return std::string(tokens.Text(i));
}

struct Argument {
    std::optional<std::string> parameter;  // lower case, with "@"
    std::optional<std::string> text;       // nothing for NULL
    std::optional<std::string> variable;
    bool isDefault = false;
};

// One argument at tokens[i]; i moves past it.
Argument ReadArgument(const TSqlTokens& tokens, size_t& i, size_t last)
{
    Argument argument;
    if (i + 1 <= last && tokens.Kind(i) == TokenKind::Word && tokens.Lower(i).front() == '@' &&
        tokens.Lower(i + 1) == "=") {
        argument.parameter = tokens.Lower(i);
        i += 2;
    }
    if (i > last)
        Fail("Incorrect syntax near '" + Near(tokens, i - 1) + "'.");
    const TokenKind kind = tokens.Kind(i);
    const std::string& lower = tokens.Lower(i);
    if (kind == TokenKind::String || kind == TokenKind::NString) {
        argument.text = StringContent(tokens.Source(), tokens.At(i));
    } else if (kind == TokenKind::Number) {
        argument.text = std::string(tokens.Text(i));
    } else if (kind == TokenKind::Punct && lower == "-" && i < last && tokens.Kind(i + 1) == TokenKind::Number) {
        argument.text = "-" + std::string(tokens.Text(++i));
    } else if (kind == TokenKind::Word && lower.front() == '@') {
        argument.variable = lower;
    } else if (kind == TokenKind::Word && lower == "null") {
    } else if (kind == TokenKind::Word && lower == "default") {
        argument.isDefault = true;
    } else if (kind == TokenKind::Word || kind == TokenKind::QuotedName) {
        argument.text = NameOf(tokens.Source(), tokens.At(i));
    } else {
        Fail("Incorrect syntax near '" + Near(tokens, i) + "'.");
    }
    ++i;
    if (i <= last && (tokens.Lower(i) == "output" || tokens.Lower(i) == "out"))
        ++i;
    return argument;
}

}  // namespace

bool IsProcedureCall(const TSqlTokens& tokens, const std::vector<TSqlStatement>& statements, size_t statement)
{
    const TSqlStatement& s = statements[statement];
    if (s.word == "exec" || s.word == "execute")
        return true;
    // Without EXEC, only the first statement of a batch calls a procedure.
    return statement == 0 && tokens.Kind(s.first) == TokenKind::Word && s.word.rfind("sp_", 0) == 0;
}

std::optional<TSqlProcedureCall> ReadProcedureCall(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements)
{
    for (size_t n = 0; n < statements.size(); ++n) {
        if (!IsProcedureCall(tokens, statements, n))
            continue;
        const TSqlStatement& s = statements[n];
        size_t i = s.first;
        if (s.word == "exec" || s.word == "execute")
            ++i;
        // The procedure's name: parts joined by dots, the last one naming it.
        std::string written;
        std::string name;
        while (i <= s.last && (tokens.Kind(i) == TokenKind::QuotedName ||
                               (tokens.Kind(i) == TokenKind::Word && tokens.Lower(i).front() != '@'))) {
            written += tokens.Text(i);
            name = NameOf(tokens.Source(), tokens.At(i++));
            if (i > s.last || tokens.Lower(i) != ".")
                break;
            while (i <= s.last && tokens.Lower(i) == ".") {
                written += '.';
                ++i;
            }
        }
        if (written.empty())
            Fail("Incorrect syntax near '" + (i <= s.last ? Near(tokens, i) : std::string(tokens.Text(s.last))) + "'.");
        if (!EqualsNoCase(name, kProcedure))
            Fail("Could not find stored procedure '" + written + "'.");

        std::vector<Argument> arguments;
        while (i <= s.last) {
            arguments.push_back(ReadArgument(tokens, i, s.last));
            if (i > s.last)
                break;
            if (tokens.Lower(i) != ",")
                Fail("Incorrect syntax near '" + Near(tokens, i) + "'.");
            if (++i > s.last)
                Fail("Incorrect syntax near ','.");
        }
        if (arguments.size() > 1)
            Fail("Procedure or function sp_helpindex has too many arguments specified.");
        if (!arguments.empty() && arguments[0].parameter && *arguments[0].parameter != "@objname")
            Fail(*arguments[0].parameter + " is not a parameter for procedure sp_helpindex.");
        if (arguments.empty() || arguments[0].isDefault)
            Fail("Procedure or function 'sp_helpindex' expects parameter '@objname', which was not supplied.");
        if (n + 1 < statements.size())
            Fail("A statement that returns rows must be the last of its batch.");

        tokens.Drop(s.first, s.last);
        TSqlProcedureCall call;
        call.table = LastNamePart(arguments[0].text.value_or(std::string()));
        call.variable = arguments[0].variable;
        return call;
    }
    return std::nullopt;
}

}  // namespace ado::provider
