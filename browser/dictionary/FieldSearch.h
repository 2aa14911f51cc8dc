#pragma once

#include "DictionaryDocument.h"

#include <vector>

// "Which table holds this field": the columns of the document's tables whose name or
// description (the field rows' FFieldName and FDescription, so in the language) contains the
// text, letter case ignored, in tree order and field-list order.
class FieldSearch {
public:
    struct Hit {
        const DictionaryGroup* group;
        const DictionaryTable* table;
        VexaRecordPtr field;
    };

    static std::vector<Hit> Find(const DictionaryDocument& document, const QString& text);
    // Whether a field of that name and description is a hit for the text.
    static bool Matches(const QString& fieldName, const QString& description, const QString& text);
    // The hits as rows named subsystem, table, FFieldName, FDescription, FFieldType, with the
    // field list's captions for the last three.
    static DictionaryRows Rows(const DictionaryDocument& document, const std::vector<Hit>& hits);
};
