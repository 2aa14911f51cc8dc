#pragma once

#include "DictionaryWriter.h"

// JSON for tools: records keep their own value names, in their own order, and their values as
// the records hold them (numbers stay numbers, texts stay texts).
//   tree:    [ {"FType":0,"FRelative":"","FKey":"gc0",...}, ... ]
//   a table: {"table":..., "caption":..., "indexes":[rows], "fields":[rows]}
//   all:     {"account":..., "language":..., "subsystems":[{"FKey":..., "FText":..., "tables":[tables]}]}
//   rows:    {"rows":[{name:value,...}], "summary":...}
// A table whose query failed carries "message"; a group without a subsystem node has FText null.
class JsonWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;
};
