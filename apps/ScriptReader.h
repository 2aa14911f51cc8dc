#pragma once

#include "SqlTokenizer.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// One statement of a script and the line it starts on (counted from 1).
struct ScriptStatement {
    std::string_view text;  // from its first token to its last, comments around it left out
    long line = 0;
};

// Reads a script the way the converter writes it, one statement after another: statements are
// separated by line ends alone (or by ";"), so a statement ends where a line begins with a word
// that starts another one (insert, delete, update, drop, create, IF, begin, commit, ...), unless
// that line is still inside parentheses, a begin ... end block or CASE, or is the statement an
// IF, ELSE or WHILE is still waiting for. SELECT and SET do not start a statement this way, as
// they often continue one on its next line; a server takes two statements in one text anyway.
//
// A literal or comment may span lines: the text is cut into tokens by the T-SQL tokenizer, a
// window at a time, so a script of any size costs memory for a window and its longest token.
class ScriptReader {
public:
    explicit ScriptReader(std::string_view script) : m_script(script) {}

    // The next statement; nothing at the end of the script. A literal or comment that is never
    // closed ends the last statement, for the server to report.
    std::optional<ScriptStatement> Next();

    // How far the reading has come, in bytes.
    std::size_t Position() const { return m_lineCounted; }

private:
    // The next significant token, and whether a line end came before it.
    std::optional<ado::provider::Token> NextToken(bool& startsLine);
    // Tokenizes the text after the current window; false at the end of the script.
    bool Refill();
    // Counts the line ends up to a position.
    void CountLines(std::size_t to);

    std::string_view m_script;
    std::vector<ado::provider::Token> m_tokens;  // of the current window, at script positions
    std::size_t m_next = 0;                      // the next token of the window
    std::size_t m_windowEnd = 0;
    std::size_t m_lineCounted = 0;  // line ends are counted up to here
    long m_line = 1;
    std::optional<ado::provider::Token> m_pending;  // read ahead: the first token of the next statement
};
