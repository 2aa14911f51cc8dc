#include "TSqlDeclarations.h"

#include "TSqlError.h"

#include <algorithm>
#include <initializer_list>

namespace ado::provider {

namespace {

[[noreturn]] void Fail(const std::string& message)
{
    throw ProviderError(kErrorCommand, message);
}

bool IsVariable(const TSqlTokens& tokens, size_t i)
{
    const std::string& lower = tokens.Lower(i);
    return i < tokens.Size() && tokens.Kind(i) == TokenKind::Word && lower.size() > 1 && lower[0] == '@' &&
           lower[1] != '@';
}

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

std::string NearText(const TSqlTokens& tokens, size_t i, size_t last)
{
    return "Incorrect syntax near '" + std::string(tokens.Text(std::min(i, last))) + "'.";
}

}  // namespace

TSqlDeclarations::TSqlDeclarations(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements,
                                   const std::function<bool(size_t)>& skip,
                                   const std::vector<TSqlVariable>& declaredBefore)
    : m_tokens(tokens), m_variables(declaredBefore)
{
    for (size_t n = 0; n < statements.size(); ++n) {
        const TSqlStatement& s = statements[n];
        if (skip(n))
            continue;
        if (s.word == "declare")
            Declare(s);
        else if (s.word == "set")
            Set(s);
        else if (s.word == "select" && IsVariable(tokens, s.first + 1) && s.first + 2 <= s.last &&
                 tokens.Lower(s.first + 2) == "=")
            SelectInto(s);
        else
            CheckUses(s.first, s.last);
    }
}

const TSqlVariable* TSqlDeclarations::Find(std::string_view lowerName) const
{
    for (const TSqlVariable& v : m_variables)
        if (v.name == lowerName)
            return &v;
    return nullptr;
}

void TSqlDeclarations::CheckUses(size_t first, size_t last) const
{
    for (size_t i = first; i <= last && i < m_tokens.Size(); ++i)
        if (IsVariable(m_tokens, i) && !Find(m_tokens.Lower(i)))
            Fail("Must declare the scalar variable \"" + std::string(m_tokens.Text(i)) + "\".");
}

size_t TSqlDeclarations::ExpressionEnd(size_t first, size_t last, int depth, bool clauses) const
{
    for (size_t j = first; j <= last; ++j) {
        if (m_tokens.Depth(j) != depth)
            continue;
        const std::string& w = m_tokens.Lower(j);
        if (w == "," || (clauses && OneOf(w, {"from", "where", "group", "having", "order", "union", "except",
                                              "intersect", "into"})))
            return j - 1;
    }
    return last;
}

void TSqlDeclarations::Assign(size_t last, const std::string& name)
{
    m_columnNames.emplace_back(last, " AS \"" + name + "\"");
}

// DECLARE @a int [= value] [, @b varchar(10) [= value]] ...
void TSqlDeclarations::Declare(const TSqlStatement& s)
{
    const int depth = m_tokens.Depth(s.first);
    size_t i = s.first + 1;
    size_t keptFrom = s.first;  // the first token not yet dropped
    bool assigns = false;
    for (int number = 1;; ++number) {
        if (i > s.last || !IsVariable(m_tokens, i))
            Fail(NearText(m_tokens, i, s.last));
        const size_t nameToken = i;
        const std::string name = m_tokens.Lower(i++);
        if (m_tokens.Is(i, "as"))
            ++i;
        if (i > s.last || m_tokens.Kind(i) != TokenKind::Word || OneOf(m_tokens.Lower(i), {"table", "cursor"}))
            Fail(NearText(m_tokens, i, s.last));
        const size_t typeFirst = i++;
        if (m_tokens.Is(i, "(") && m_tokens.Match(i) != TSqlTokens::npos)
            i = m_tokens.Match(i) + 1;
        std::string typeText;
        for (size_t k = typeFirst; k < i; ++k)
            typeText += m_tokens.Text(k);
        const TSqlDataType type = TSqlDataType::Parse(typeText);
        if (!type.Known())
            Fail("Column, parameter, or variable #" + std::to_string(number) + ": Cannot find data type " +
                 std::string(m_tokens.Text(typeFirst)) + ".");
        if (Find(name))
            Fail("The variable name '" + std::string(m_tokens.Text(nameToken)) +
                 "' has already been declared. Variable names must be unique within a query batch or stored procedure.");
        if (i <= s.last && m_tokens.Lower(i) == "=") {
            const size_t valueFirst = i + 1;
            if (valueFirst > s.last)
                Fail(NearText(m_tokens, i, s.last));
            const size_t valueLast = ExpressionEnd(valueFirst, s.last, depth, false);
            CheckUses(valueFirst, valueLast);
            m_tokens.Drop(keptFrom, i);
            m_tokens.InsertBefore(valueFirst, assigns ? ", " : "SELECT ");
            if (!assigns)
                m_assignments.push_back(valueFirst);
            assigns = true;
            Assign(valueLast, name);
            i = valueLast + 1;
            keptFrom = i;
        }
        m_variables.push_back(TSqlVariable{name, type});
        if (i > s.last)
            break;
        if (m_tokens.Lower(i) != ",")
            Fail(NearText(m_tokens, i, s.last));
        ++i;
    }
    if (keptFrom <= s.last)
        m_tokens.Drop(keptFrom, s.last);
}

// SET @v = value, SET @v += value (and -=, *=, /=, %=), or a SET option, which is dropped.
void TSqlDeclarations::Set(const TSqlStatement& s)
{
    const size_t v = s.first + 1;
    if (!IsVariable(m_tokens, v)) {
        m_tokens.Drop(s.first, s.last);
        return;
    }
    CheckUses(v, s.last);
    const std::string name = m_tokens.Lower(v);
    if (m_tokens.Is(v + 1, "=") && v + 2 <= s.last) {
        m_tokens.Drop(s.first, v + 1);
        m_tokens.InsertBefore(v + 2, "SELECT ");
        m_assignments.push_back(v + 2);
        Assign(s.last, name);
        return;
    }
    if (OneOf(m_tokens.Lower(v + 1), {"+", "-", "*", "/", "%"}) && m_tokens.Is(v + 2, "=") && v + 3 <= s.last) {
        // "@v + (value)": the operator stays a token of the text, so it is read as any other.
        m_tokens.Drop(s.first, s.first);
        m_tokens.InsertBefore(v, "SELECT ");
        m_tokens.Replace(v + 2, "(");
        m_assignments.push_back(v);
        m_columnNames.emplace_back(s.last, ")");
        Assign(s.last, name);
        return;
    }
    Fail(NearText(m_tokens, v + 1, s.last));
}

// SELECT @a = value [, @b = value] [FROM ...]: every column assigns a variable.
void TSqlDeclarations::SelectInto(const TSqlStatement& s)
{
    const int depth = m_tokens.Depth(s.first);
    size_t i = s.first + 1;
    for (;;) {
        if (!IsVariable(m_tokens, i) || !m_tokens.Is(i + 1, "=") || i + 2 > s.last)
            Fail("A SELECT statement that assigns a value to a variable must not be combined with data-retrieval "
                 "operations.");
        const std::string name = m_tokens.Lower(i);
        if (!Find(name))
            Fail("Must declare the scalar variable \"" + std::string(m_tokens.Text(i)) + "\".");
        const size_t valueLast = ExpressionEnd(i + 2, s.last, depth, true);
        CheckUses(i + 2, valueLast);
        m_tokens.Drop(i, i + 1);
        Assign(valueLast, name);
        i = valueLast + 1;
        if (i > s.last || m_tokens.Lower(i) != ",")
            break;
        ++i;
    }
    CheckUses(i, s.last);
    m_assignments.push_back(s.first);
}

void TSqlDeclarations::NameColumns()
{
    for (const auto& [token, text] : m_columnNames)
        m_tokens.InsertAfter(token, text);
    m_columnNames.clear();
}

}  // namespace ado::provider
