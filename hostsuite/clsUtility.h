#pragma once

#include "Connection.h"
#include "Recordset.h"
#include "Value.h"
#include "XmlElement.h"

#include <QString>

#include <string>
#include <string_view>

// The host suite's utility class of the converter: template attributes, queries, value texts,
// field kinds, file appending and message boxes. Texts are UTF-8.
class clsUtility {
public:
    // How a field's values are rendered in a script: 1 and 2 are written bare, 4 are booleans,
    // every other kind is quoted (6 as a Unicode literal N'...').
    enum enuFieldKind : int {
        eWholeNumber = 1,   // integers of every width
        eOtherBare = 2,     // floats, decimals, money, binary (0x...)
        eText = 3,          // char, varchar, text, GUIDs and anything unknown
        eBoolean = 4,       // bit
        eDate = 5,          // dates and times
        eUnicodeText = 6,   // nchar, nvarchar, ntext
    };

    // Runs strSql on objCon and returns every row in a static record set, which can move back to
    // its first row. objCon stays the connection it was.
    ado::RecordsetPtr OpenRecordset(const std::string& strSql, ado::ConnectionPtr& objCon);

    // The attribute's text; the empty text when it is absent or the element is null.
    std::string GetAttrText(std::string_view strName, const xml::XmlElement& objElement) const;

    // The document element of a loaded document; a null reference after a failed load.
    xml::XmlElement RootElement(const xml::XmlDocument& objDocument) const;

    // A modal message box through the platform's message seam; returns the button pressed.
    int ShowMessage(const QString& strPrompt, int iButtons, const QString& strTitle);

    // Appends strText and CR LF to the file, creating it when missing (UTF-8, no byte-order
    // mark). Throws AutomationError when the file cannot be opened or written.
    void AppendToFile(const std::string& strPath, std::string_view strText);

    static enuFieldKind FieldKind(const ado::Field& objField);
    static enuFieldKind FieldKind(ado::DataTypeEnum type);

    // The value as text. A record set gives its current row's first value ("nothing" when it has
    // no rows or no columns). With bNumeric a text that converts to a number ("0" for null or
    // nothing), without it the empty text for null or nothing.
    std::string ValueText(const ado::Recordset& objRecordset, bool bNumeric) const;
    std::string ValueText(const ado::Value& value, bool bNumeric) const;
    // The same text appended to out, for loops that must not allocate per value: integers and
    // exact decimals as their digits, floats in the shortest form that reads back the same,
    // booleans 1 or 0, dates ISO 8601 with milliseconds (2024-01-31T08:05:09.123), binary 0x
    // followed by upper-case hex digits, text unchanged.
    static void AppendValueText(std::string& out, const ado::Value& value, bool bNumeric);
};
