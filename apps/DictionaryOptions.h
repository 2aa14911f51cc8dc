#pragma once

#include "Commands.h"

#include <optional>

// The arguments of "tabrix dictionary": the database and language, the output's format and
// file, and what to write: the tree (nothing given), one TABLE, --all, --search TEXT, the find
// dialog's walk (--find-code, --find-name) or --check.
struct DictionaryOptions {
    DatabaseOptions database;
    std::optional<QString> language;
    QString format = QStringLiteral("text");
    std::optional<QString> out;
    std::optional<QString> table;
    bool all = false;
    std::optional<QString> search;
    std::optional<QString> findCode;
    std::optional<QString> findName;
    bool check = false;
    bool csvRaw = false;

    // 0 when the arguments are sound, else the exit status after saying why.
    int Read(const CommandLine& line);
};
