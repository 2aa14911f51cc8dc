// A schema declared through the provider in SQL Server's DDL reads back from the catalogue with
// the values SQL Server's documentation gives for the same declarations.
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;
using Rows = std::vector<std::vector<std::string>>;

namespace {

const char* const kDeclarations[] = {
    "create table probe (id int identity(1,1), id2 int not null, rv rowversion, f24 float(24), f1 float(1), "
    "f53 float(53), d0 datetime2(0), d3 datetime2(3), t0 time(0), dto datetimeoffset, x xml, sv sql_variant, "
    "dc dec(5,1), nv national character varying(10), sn sysname, snn sysname null, c1 as id2+1, "
    "c2 as cast(id2 as varchar(10)), u int constraint uq_probe_u unique nonclustered, v int unique, "
    "dt datetime default getdate(), g uniqueidentifier default newid(), "
    "constraint pk_probe primary key clustered (id2), constraint ck_probe check (id2 > 0))",
    "create table child (a int not null identity(5,2) not for replication, p int references probe(id2), b int, "
    "constraint pk_child primary key nonclustered (a))",
    "create clustered index ix_child_b on child (b)",
    "create index ix_child_p on child (p) include (b)",
    "create table pair (a int not null, b int, constraint uq_pair unique clustered (b, a))",
    "insert into child (p, b) values (null, 1)",
    "insert into child (p, b) values (null, 2)",
};

struct Case {
    const char* sql;
    Rows rows;
};

}  // namespace

TEST(SqliteDeclaredSchema, CatalogueGivesSqlServersValues)
{
    const SqliteTestDatabase db("");
    const ConnectionPtr connection = db.Open();
    for (const char* sql : kDeclarations)
        ASSERT_EQ(ErrorOf(*connection, sql), "") << sql;

    const Case cases[] = {
        // name, xtype, xusertype, length, xprec, xscale, isnullable, AllowsNull, IsIdentity, iscomputed.
        // Identity, timestamp and sysname columns are NOT NULL unless declared NULL; float(1..24) is
        // real; datetime2(n) takes 6, 7 or 8 bytes (precision 19, or 20 + n), time(n) 3 to 5 (8, or
        // 9 + n), datetimeoffset 10 (34, 7); xml has no length (-1), sql_variant 8016; sysname is
        // nvarchar(128) (xusertype 256); a computed column takes its expression's type.
        {"select name, xtype, xusertype, length, xprec, xscale, isnullable, columnproperty(id, name, 'AllowsNull'), "
         "columnproperty(id, name, 'IsIdentity'), iscomputed from syscolumns where id = object_id('probe') "
         "order by colid",
         {{"id", "56", "56", "4", "10", "0", "0", "0", "1", "0"},
          {"id2", "56", "56", "4", "10", "0", "0", "0", "0", "0"},
          {"rv", "189", "80", "8", "0", "0", "0", "0", "0", "0"},
          {"f24", "59", "59", "4", "24", "0", "1", "1", "0", "0"},
          {"f1", "59", "59", "4", "24", "0", "1", "1", "0", "0"},
          {"f53", "62", "62", "8", "53", "0", "1", "1", "0", "0"},
          {"d0", "42", "42", "6", "19", "0", "1", "1", "0", "0"},
          {"d3", "42", "42", "7", "23", "3", "1", "1", "0", "0"},
          {"t0", "41", "41", "3", "8", "0", "1", "1", "0", "0"},
          {"dto", "43", "43", "10", "34", "7", "1", "1", "0", "0"},
          {"x", "241", "241", "-1", "0", "0", "1", "1", "0", "0"},
          {"sv", "98", "98", "8016", "0", "0", "1", "1", "0", "0"},
          {"dc", "106", "106", "5", "5", "1", "1", "1", "0", "0"},
          {"nv", "231", "231", "20", "0", "0", "1", "1", "0", "0"},
          {"sn", "231", "256", "256", "0", "0", "0", "0", "0", "0"},
          {"snn", "231", "256", "256", "0", "0", "1", "1", "0", "0"},
          {"c1", "56", "56", "4", "10", "0", "1", "1", "0", "1"},
          {"c2", "167", "167", "10", "0", "0", "1", "1", "0", "1"},
          {"u", "56", "56", "4", "10", "0", "1", "1", "0", "0"},
          {"v", "56", "56", "4", "10", "0", "1", "1", "0", "0"},
          {"dt", "61", "61", "8", "23", "3", "1", "1", "0", "0"},
          {"g", "36", "36", "16", "0", "0", "1", "1", "0", "0"}}},
        // status: 0x08 nullable, 0x80 identity.
        {"select name, status from syscolumns where id = object_id('probe') and name in ('id', 'id2', 'rv', 'f24') "
         "order by colid",
         {{"id", "128"}, {"id2", "0"}, {"rv", "0"}, {"f24", "8"}}},
        // Every constraint is an object of its table: 'PK' and 'UQ' of type 'K', 'F', 'C', 'D'. A name
        // the server makes starts with the kind and the table's name.
        {"select left(name, 11), xtype, type from sysobjects where parent_obj in (object_id('probe'), "
         "object_id('child')) order by xtype, len(name)",
         {{"ck_probe", "C", "C"},
          {"DF__probe__", "D", "D"},
          {"DF__probe__", "D", "D"},
          {"FK__child__", "F", "F"},
          {"pk_probe", "PK", "K"},
          {"pk_child", "PK", "K"},
          {"uq_probe_u", "UQ", "K"},
          {"UQ__probe__", "UQ", "K"}}},
        // status bits: 0x2 unique, 0x10 clustered, 0x800 primary key, 0x1000 unique constraint. The
        // clustered index is indid 1; a table without one has its heap as indid 0.
        {"select left(name, 11), indid, status, keycnt from sysindexes where id in (object_id('probe'), "
         "object_id('child'), object_id('pair')) order by id, indid",
         {{"pk_probe", "1", "2066", "1"},
          {"uq_probe_u", "2", "4098", "1"},
          {"UQ__probe__", "3", "4098", "1"},
          {"ix_child_b", "1", "16", "1"},
          {"pk_child", "2", "2050", "1"},
          {"ix_child_p", "3", "0", "1"},
          {"uq_pair", "1", "4114", "2"}}},
        {"select indid, colid, keyno from sysindexkeys where id = object_id('probe') order by indid, keyno",
         {{"1", "2", "1"}, {"2", "19", "1"}, {"3", "20", "1"}}},
        {"exec sp_helpindex 'child'",
         {{"ix_child_b", "clustered located on PRIMARY", "b"},
          {"ix_child_p", "nonclustered located on PRIMARY", "p"},
          {"pk_child", "nonclustered, unique, primary key located on PRIMARY", "a"}}},
        {"exec sp_helpindex 'pair'", {{"uq_pair", "clustered, unique, unique key located on PRIMARY", "b, a"}}},
        // A computed column's text is kept under its table's id, numbered by the column; a check's
        // under its own id. (SQL Server keeps a normalised text of the same expression.)
        {"select c.name, m.text from syscolumns c join syscomments m on m.id = c.id and m.number = c.colid "
         "where c.id = object_id('probe') order by c.colid",
         {{"c1", "(id2+1)"}, {"c2", "(cast(id2 as varchar(10)))"}}},
        {"select m.text from sysobjects o join syscomments m on m.id = o.id where o.name = 'ck_probe'", {{"(id2 > 0)"}}},
        // ident_current: the last value given, or the seed while the table has had no rows; NULL
        // for a table without an identity column.
        {"select ident_seed('child'), ident_incr('child'), ident_current('child'), ident_seed('probe'), "
         "ident_current('probe'), ident_seed('pair')",
         {{"5", "2", "7", "1", "1", "NULL"}}},
        // objectproperty: NULL for an unknown property or one that does not apply to the object.
        {"select objectproperty(object_id('probe'), 'IsUserTable'), objectproperty(object_id('probe'), "
         "'TableHasIdentity'), objectproperty(object_id('pair'), 'TableHasIdentity'), "
         "objectproperty(object_id('probe'), 'TableHasUniqueCnst'), objectproperty(object_id('child'), "
         "'TableHasForeignKey'), objectproperty(object_id('child'), 'TableHasClustIndex'), "
         "objectproperty(object_id('probe'), 'NoSuchProperty')",
         {{"1", "1", "0", "1", "1", "1", "NULL"}}},
        // object_id names constraints too.
        {"select objectproperty(object_id('ck_probe'), 'IsCheckCnst'), objectproperty(object_id('ck_probe'), "
         "'IsUserTable'), objectproperty(object_id('ck_probe'), 'TableHasIdentity'), "
         "objectproperty(object_id('pk_child'), 'IsPrimaryKey'), objectproperty(object_id('uq_probe_u'), "
         "'IsUniqueCnst'), objectproperty(object_id('uq_probe_u'), 'IsPrimaryKey')",
         {{"1", "0", "NULL", "1", "1", "0"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Query(*connection, c.sql), c.rows) << c.sql;

    // Msg 2705, in CREATE TABLE and in ALTER TABLE ... ADD.
    EXPECT_EQ(ErrorOf(*connection, "create table dup (a int, b int, A int)"),
              "Column names in each table must be unique. Column name 'A' in table 'dup' is specified more than once.");
    EXPECT_EQ(ErrorOf(*connection, "alter table pair add B int"),
              "Column names in each table must be unique. Column name 'B' in table 'pair' is specified more than once.");
}
