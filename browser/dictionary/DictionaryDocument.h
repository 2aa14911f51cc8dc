#pragma once

#include "VexaList.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <vector>

// One described table as the window shows it once the table is picked: its tree record and the
// index and field rows that GetDataByInterID gives for the name and ID the window takes from it.
struct DictionaryTable {
    VexaRecordPtr node;
    QString name;
    qint32 id = 0;
    VexaListPtr indexes;  // nothing when the table has no indexes or the query failed
    VexaListPtr fields;   // nothing when the query failed
    QString message;      // the server's description when a query failed, else empty
};

// The tables under one tree key, in tree order. node is the subsystem's record, or null when
// the tables' FRelative names no record of the tree.
struct DictionaryGroup {
    QString key;
    VexaRecordPtr node;
    std::vector<DictionaryTable> tables;
};

// What the dictionary command and the window's export write: the account line, the layouts
// of the two lists (their captions are the language's), the tree records and the tables read:
// one table, or every described table grouped by subsystem.
struct DictionaryDocument {
    QString language;     // the host's language code
    QString title;        // the window's caption in the language
    QString account;      // the account line, as the window's status line shows it
    VexaListPtr tree;
    VexaListPtr indexLayout;
    VexaListPtr fieldLayout;
    bool singleTable = false;
    std::vector<DictionaryGroup> groups;

    // "table: message" for each table whose query failed, in document order.
    QStringList Failures() const;
    // The layouts' value names and captions, in layout order.
    static QStringList Names(const VexaList* layout);
    static QStringList Captions(const VexaList* layout);
    // The rows' values as texts, in the layout's order (no rows: none).
    static std::vector<QStringList> Cells(const VexaList& layout, const VexaList* rows);
    // The tree's records by the key their FRelative names, each list in tree order.
    static std::map<QString, std::vector<const VexaRecord*>> Children(const VexaList& tree);
    // The heading, in the language, of tables whose FRelative names no record of the tree (the
    // tables that belong to no subsystem): their key is no name to show a reader.
    static QString UngroupedCaption();
};

// A flat answer (field search hits, find hits, drift items): columns named by value names with
// captions in the language, rows of values in column order, and an optional closing summary.
struct DictionaryRows {
    QString title;
    QString account;
    QStringList names;
    QStringList captions;
    std::vector<QVariantList> rows;
    QString summary;

    // The rows' values as texts.
    std::vector<QStringList> Cells() const;
};
