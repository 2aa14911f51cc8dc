#pragma once

#include "DictionaryDocument.h"

class clsGetData;

// The tables the find dialog walks for a code and a name, in its order: the rows of its
// table-description query, as subsystem, FTableID, FTableName and the description in the
// language (what the window's tree shows for the table).
class FindHits {
public:
    // 0 with the hits, and the dialog's no-hit message when there are none; else the exit status
    // with the dialog's message: 1 when both texts are blank, 2 when a text cannot be searched
    // for or the query brings no record set back.
    static int Read(clsGetData& data, const DictionaryDocument& document, const QString& code, const QString& name,
                    DictionaryRows& hits, QString& message);
};
