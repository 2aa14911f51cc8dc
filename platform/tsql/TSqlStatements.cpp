#include "TSqlStatements.h"

#include <algorithm>
#include <initializer_list>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Words that begin a statement of a batch.
bool StartsStatement(std::string_view lower)
{
    return OneOf(lower, {"insert", "delete", "update", "create", "drop", "alter", "declare", "exec", "execute", "begin",
                         "commit", "rollback"});
}

// Words after which those statement words continue the same statement: trigger events
// ("after insert"), foreign-key actions ("on delete"), "insert or replace", "do update".
bool ContinuesWith(std::string_view lowerPrevious)
{
    return OneOf(lowerPrevious, {"after", "before", "of", "on", "begin", "do", "for", "or", "explain", "plan",
                                 "instead", "then", "else"});
}

}  // namespace

std::vector<TSqlStatement> SplitStatements(TSqlTokens& tokens)
{
    std::vector<TSqlStatement> statements;
    TSqlStatement current;
    bool open = false;          // a statement has started
    bool splitting = true;
    bool inTrigger = false;
    bool updateHasSet = false;  // the SET of an UPDATE has been seen
    const auto close = [&](size_t last) {
        if (open) {
            current.last = last;
            statements.push_back(current);
        }
        open = false;
    };
    for (size_t i = 0; i < tokens.Size(); ++i) {
        const std::string& lower = tokens.Lower(i);
        if (tokens.Kind(i) == TokenKind::Punct && lower == ";" && tokens.Depth(i) == 0) {
            close(i - 1);
            continue;
        }
        if (open && tokens.Kind(i) == TokenKind::Word && tokens.Depth(i) == 0 && splitting && !inTrigger) {
            const std::string& previous = tokens.Lower(i - 1);
            bool split = false;
            if (StartsStatement(lower))
                split = current.word == "set" || !ContinuesWith(previous);  // SET NOCOUNT ON, then a statement
            else if (lower == "set")
                split = current.word != "update" || updateHasSet;
            else if (lower == "select")
                split = !OneOf(current.word, {"insert", "create", "alter", "with", "explain", "replace"}) &&
                        !OneOf(previous, {"union", "all", "except", "intersect"});
            if (lower == "set" && current.word == "update")
                updateHasSet = true;
            if (split) {
                tokens.InsertBefore(i, ";");
                close(i - 1);
            }
        }
        if (!open) {
            open = true;
            current = TSqlStatement{i, i, lower};
            // A common table expression may be followed by its statement word after ")".
            splitting = lower != "with";
            updateHasSet = false;
        }
        if (lower == "trigger")
            inTrigger = true;
    }
    close(tokens.Size() - 1);
    return statements;
}

}  // namespace ado::provider
