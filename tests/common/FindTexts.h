#pragma once

#include "Connection.h"
#include "SqliteFile.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Dictionary rows whose codes and descriptions hold what means something to SQL, to LIKE or to a
// terminal, and finds over them. What a find must match is worked out here by plain substring
// search with letter case ignored (the servers' default collations), never through SQL.
namespace findtexts {

struct Table {
    bool second;  // in the second subsystem rather than the first
    int id;
    QString code;
    QString chs;
    std::optional<QString> en;  // none: the tree shows the simplified-Chinese description
};

// Listed out of ID order within a subsystem: the hits must still come by subsystem, then ID.
inline const std::vector<Table>& Tables()
{
    static const std::vector<Table> tables = {
        {false, 30, QStringLiteral("t_Account"), QStringLiteral("科目表"), QStringLiteral("Accounts (chart)")},
        {false, 9, QStringLiteral("t_50%_off"), QStringLiteral("折扣50%表"), QStringLiteral("Discount 50% [promo]")},
        {false, 12, QStringLiteral("t_Note"), QStringLiteral("O'Brien 备注"), std::nullopt},
        {true, 40, QStringLiteral("t_x_y"), QStringLiteral("下划线_表"), QStringLiteral("under_score")},
        {true, 41, QStringLiteral("t_xAy"), QStringLiteral("下划线A表"), QStringLiteral("underAscore")},
        {true, 45, QStringLiteral("t_ctl"), QStringLiteral("控制\x1b[2J字符"), QStringLiteral("line\r\nbreak")},
        {true, 43, QStringLiteral("t_b"), QStringLiteral("方括号[a-c]表"), QStringLiteral("bracket [a-c] b")},
        {true, 44, QStringLiteral("t_c"), QStringLiteral("方括号b表"), QStringLiteral("bracket b")},
        {true, 42, QStringLiteral("t_d"), QStringLiteral("注释--/*表 \U0001D11E"), QStringLiteral("comment -- /* \U0001D11E")},
    };
    return tables;
}

struct Find {
    const char* language;
    QString code;
    QString name;
};

inline const std::vector<Find>& Finds()
{
    static const std::vector<Find> finds = {
        {"CHS", QStringLiteral("T_"), {}},
        {"CHS", {}, QStringLiteral("'")},
        {"EN", {}, QStringLiteral("'")},
        {"CHS", QStringLiteral("%"), {}},
        {"EN", {}, QStringLiteral("50%")},
        {"CHS", QStringLiteral("x_y"), {}},
        {"EN", {}, QStringLiteral("_")},
        {"CHS", {}, QStringLiteral("[a-c]")},
        {"EN", {}, QStringLiteral("[")},
        {"EN", {}, QStringLiteral("]")},
        {"EN", {}, QStringLiteral("(chart)")},
        {"EN", {}, QStringLiteral("ACCOUNTS")},
        {"EN", QStringLiteral("t_"), QStringLiteral(")")},
        {"CHS", {}, QStringLiteral("\x1b[2J")},
        {"EN", {}, QStringLiteral("\r\n")},
        {"CHS", {}, QStringLiteral("--/*")},
        {"EN", {}, QStringLiteral("\U0001D11E")},
        {"CHS", QStringLiteral("x%' or 1=1 --"), {}},
        {"CHS", QStringLiteral("x' union select 1,2,name,4,5,6 from sysobjects --"), {}},
        {"CHS", QStringLiteral("x'; delete from t_tabledescription; --"), {}},
        {"CHT", QStringLiteral("t_x"), QStringLiteral("表")},
    };
    return finds;
}

// The description a find by name looks in: the language's, else the simplified-Chinese one. The
// rows leave the traditional-Chinese column empty, so CHT looks in the simplified one.
inline QString Description(const Table& table, const QString& language)
{
    return language == QLatin1String("EN") && table.en ? *table.en : table.chs;
}

// The IDs a find must bring back, by subsystem then ID.
inline std::vector<int> Expected(const Find& find)
{
    std::vector<std::pair<bool, int>> hits;
    for (const Table& table : Tables())
        if (table.code.contains(find.code, Qt::CaseInsensitive) &&
            Description(table, QString::fromLatin1(find.language)).contains(find.name, Qt::CaseInsensitive))
            hits.emplace_back(table.second, table.id);
    std::sort(hits.begin(), hits.end());
    std::vector<int> ids;
    for (const auto& hit : hits)
        ids.push_back(hit.second);
    return ids;
}

inline std::string Literal(const QString& text)
{
    QString quoted = text;
    return "N'" + quoted.replace(u'\'', QStringLiteral("''")).toStdString() + "'";
}

// The statement that writes the rows, with the two subsystems' IDs and the amount added to every
// table ID.
inline std::string InsertRows(int first, int second, int idOffset)
{
    std::string sql = "insert into t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, "
                      "FDescription_CHT, FDescription_EN) values ";
    for (const Table& t : Tables()) {
        if (&t != &Tables().front())
            sql += ", ";
        sql += "(" + std::to_string(t.second ? second : first) + ", " + std::to_string(t.id + idOffset) + ", " +
               Literal(t.code) + ", " + Literal(t.chs) + ", null, " + (t.en ? Literal(*t.en) : std::string("null")) + ")";
    }
    return sql;
}

// An account file holding the two subsystems and the rows, written through the embedded provider.
inline void WriteAccount(const QString& file)
{
    demo::SqliteFile(file).Exec(
        "create table t_Subsystem (FSubSysID int not null primary key, FName nvarchar(80), FName_CHT nvarchar(80),"
        " FName_EN nvarchar(80)); insert into t_Subsystem values (1, '一', '一', 'One'), (2, '二', '二', 'Two');"
        "create table t_tabledescription (FSubSystemID int not null, FTableID int not null, FTableName varchar(50),"
        " FDescription nvarchar(255), FDescription_CHT nvarchar(255), FDescription_EN nvarchar(255));");
    ado::Connection writer;
    writer.Open("Provider=SQLite;Data Source=" + file.toStdString());
    writer.Execute(InsertRows(1, 2, 0));
    writer.Close();
}

}  // namespace findtexts
