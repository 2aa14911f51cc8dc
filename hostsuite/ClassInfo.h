#pragma once

#include "Recordset.h"

#include <QMetaType>
#include <QObject>
#include <QString>

// Record sets travel through calls by name in a QVariant.
Q_DECLARE_METATYPE(ado::RecordsetPtr)

// The host suite's data server: runs one SQL text against the account database and hands back
// the record set. The database is opened read-only and every SQL text runs in a transaction that
// is rolled back once its rows are read, so a query can never change the account, also on a
// server where read-only is only a hint to the driver.
class ClassInfo : public QObject {
    Q_OBJECT

public:
    explicit ClassInfo(QObject* parent = nullptr) : QObject(parent) {}

    // The statement's record set, read in full and still attached to its connection, which is
    // closed already: nothing of the database is held while the rows are used. A closed record
    // set when the statement gave no result set. Failures raise the provider's error with its
    // description unchanged.
    Q_INVOKABLE ado::RecordsetPtr GetData(const QString& connectionText, const QString& sql);
};
