// Scripts replayed on a real engine value for value. Tables of a SQLite file are exported by
// `tabrix export`, each table into scripts of its own, applied with `tabrix apply --connection`
// to a new database on the server of TABRIX_TEST_MSSQL, read back through our ODBC provider and
// compared with the source, read through SQLite's own interface (not the export's reader), as
// the column's declared type holds each value (ServerForm). A difference, a refused script or a
// value its type cannot hold is a fault unless the export logged the column as written in
// another form. Every fault is named with its table, column, row, source value, the value read
// back (or the server's message) and the statement the script holds.
#include "Connection.h"
#include "RawSqlite.h"
#include "ScratchDatabase.h"
#include "ServerForm.h"
#include "SqlServerTestServer.h"
#include "TabrixRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Form = std::optional<std::string>;  // nothing: the type cannot hold the value
const Form kNoForm = std::nullopt;

std::string Shown(const Form& form)
{
    if (!form)
        return "(no form in its type)";
    std::string text;
    for (char c : form->substr(0, 160))
        text += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : c == '\0' ? std::string("\\0") : std::string(1, c);
    return form->size() > 160 ? text + "... (" + std::to_string(form->size()) + " bytes)" : text;
}

std::string Bracketed(const std::string& name)
{
    std::string quoted = "[";
    for (char c : name)
        quoted += c == ']' ? std::string("]]") : std::string(1, c);
    return quoted + "]";
}

std::string DoubleQuoted(const std::string& name)
{
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// How a source value shows in a message: its SQLite storage class and its value.
std::string SourceShown(const ado::Value& value)
{
    if (ado::IsNull(value))
        return "null";
    if (const auto* d = std::get_if<double>(&value))
        return "real " + ado::ToText(*d);
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return "integer " + std::to_string(*i);
    if (std::holds_alternative<ado::Bytes>(value))
        return "blob " + Shown("x'" + ado::ToText(value) + "'");
    return "text " + Shown(ado::ToText(value));
}

// What one table's replay showed: faults, and differences its log excuses.
struct Findings {
    std::vector<std::string> faults;
    std::vector<std::string> excused;
};

struct Column {
    std::string name, type;
    int key = 0;  // its place in the primary key, from 1; 0 for none
};

// Babelfish keeps times to the microsecond (PostgreSQL's precision) where SQL Server keeps
// 100 ns: there time and datetime2 values compare with six fraction digits.
std::string Microseconds(const std::string& type)
{
    std::string lower;
    for (char c : type)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* base : {"datetime2", "time"})
        if (lower == base || lower == std::string(base) + "(7)")
            return std::string(base) + "(6)";
    return type;
}

const std::string kMicroseconds = "PostgreSQL keeps times to the microsecond: .9999999 rounds up into the next day or to 24:00:00";

// Exports tables of a SQLite file, one server element (and scripts and log) per table,
// replays each on a scratch database of the server and compares.
class Replay {
public:
    Replay(const std::string& server, const QString& folder, const std::string& source, bool babelfish)
        : m_server(server), m_folder(folder), m_source(source), m_babelfish(babelfish)
    {
    }

    // Runs the export of every table; its exit status.
    int Export(const std::vector<std::string>& tables)
    {
        m_tables = tables;
        QString xml = QStringLiteral("<template>");
        for (size_t i = 0; i < tables.size(); ++i)
            xml += QStringLiteral("<server name=\"r%1\" constr=\"Provider=SQLite;Data Source=%2\" structfile=\"s%1.sql\" "
                                  "datafile=\"d%1.sql\" logfile=\"l%1.txt\"><database name=\"source\"><table name=\"%3\"/>"
                                  "</database></server>")
                       .arg(i)
                       .arg(FromUtf8(m_source).toHtmlEscaped(), FromUtf8(tables[i]).toHtmlEscaped());
        xml += QStringLiteral("</template>");
        QFile file(Path(QStringLiteral("t.xml")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
        file.close();
        const TabrixOutcome run = RunTabrix({"export", "t.xml"}, m_folder);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << run.err.toStdString();
        return run.exitCode;
    }

    std::string Log(size_t i) const { return ReadFile(Path(QStringLiteral("l%1.txt").arg(i))); }
    std::string DataScript(size_t i) const { return ReadFile(Path(QStringLiteral("d%1.sql").arg(i))); }
    // The log names the column among the values written in another form.
    bool Logged(size_t i, const std::string& column) const
    {
        const std::string log = Log(i);
        const size_t at = log.find("values written in another form");
        return at != std::string::npos && log.find(column + " (", at) != std::string::npos;
    }

    // The log lines of table i other than its values written in another form.
    std::string ExportFailure(size_t i) const
    {
        std::string failure;
        const std::string log = Log(i);
        for (size_t start = 0; start < log.size();) {
            size_t end = log.find('\n', start);
            end = end == std::string::npos ? log.size() : end + 1;
            const std::string line = log.substr(start, end - start);
            if (line.find("values written in another form") == std::string::npos && line.find_first_not_of("\r\n") != std::string::npos)
                failure += line;
            start = end;
        }
        return failure;
    }

    // Applies the scripts of every table in which to the scratch database in one run: true when
    // every table's export and apply succeeded, so that each table needs no run of its own.
    bool ApplyAll(const std::vector<size_t>& which, const std::string& copyText) const
    {
        QStringList arguments{QStringLiteral("apply"), QStringLiteral("--connection"), FromUtf8(copyText)};
        for (size_t i : which) {
            if (!ExportFailure(i).empty())
                return false;
            arguments << QStringLiteral("s%1.sql").arg(i) << QStringLiteral("d%1.sql").arg(i);
        }
        return RunTabrix(arguments, m_folder).exitCode == 0;
    }

    // Applies table i's scripts to the scratch database (unless ApplyAll did) and compares the
    // copy with the source.
    Findings Check(size_t i, ado::Connection& copy, const std::string& copyText, bool applied)
    {
        Findings found;
        const std::string& table = m_tables[i];
        const std::string where = "table " + table;
        const std::vector<Column> columns = Columns(table);
        const auto fault = [&](const std::string& column, const std::string& text) {
            (Logged(i, column) ? found.excused : found.faults).push_back(where + ", column " + column + ": " + text);
        };
        if (const std::string failure = ExportFailure(i); !failure.empty()) {
            found.faults.push_back(where + ": the export failed it: " + failure);
            return found;
        }
        const TabrixOutcome run = applied ? TabrixOutcome{0, {}, {}}
                                          : RunTabrix({"apply", "--connection", FromUtf8(copyText),
                                                       QStringLiteral("s%1.sql").arg(i), QStringLiteral("d%1.sql").arg(i)},
                                                      m_folder);
        if (run.exitCode != 0) {
            const std::string message = run.err.trimmed().toStdString();
            bool anyLogged = false;
            for (const Column& c : columns)
                anyLogged = anyLogged || Logged(i, c.name);
            (anyLogged ? found.excused : found.faults)
                .push_back(where + ": the scripts do not apply: " + message + "; script: " + Shown(Inserts(DataScript(i))));
            return found;
        }

        std::vector<ServerForm> forms, serverForms;
        for (const Column& c : columns) {
            forms.push_back(ServerForm::Parse(m_babelfish ? Microseconds(c.type) : c.type));
            serverForms.push_back(ServerForm::Parse(c.type));
        }
        RawSqlite source(m_source);
        std::vector<std::vector<Form>> sourceRows, copyRows;
        std::vector<std::vector<std::string>> sourceShown;
        // Values SQL Server's type holds that Babelfish's six fraction digits cannot.
        std::vector<std::vector<bool>> beyondBabelfish;
        std::string select;
        for (const Column& c : columns)
            select += (select.empty() ? "select " : ", ") + DoubleQuoted(c.name);
        for (const auto& row : source.Rows(select + " from " + DoubleQuoted(table))) {
            auto& forms_ = sourceRows.emplace_back();
            auto& shown = sourceShown.emplace_back();
            auto& beyond = beyondBabelfish.emplace_back();
            for (size_t c = 0; c < columns.size(); ++c) {
                forms_.push_back(forms[c].Of(row[c]));
                shown.push_back(SourceShown(row[c]));
                beyond.push_back(m_babelfish && !forms_.back() && serverForms[c].Of(row[c]));
            }
        }
        try {
            const ado::RecordsetPtr rows = copy.Execute("select * from " + Bracketed(table));
            std::vector<long> at;
            for (const Column& c : columns)
                at.push_back(rows->FieldIndex(c.name));
            for (; !rows->Eof(); rows->MoveNext()) {
                auto& row = copyRows.emplace_back();
                for (size_t c = 0; c < columns.size(); ++c)
                    row.push_back(at[c] < 0 ? Form("(no such column in the copy)") : forms[c].Of(rows->Fields(at[c]).GetValue()));
            }
        } catch (const std::exception& e) {
            found.faults.push_back(where + ": the copy cannot be read: " + e.what());
            return found;
        }

        // Rows pair up in the order of their key (every column without one), on both sides alike.
        std::vector<size_t> order;
        for (size_t c = 0; c < columns.size(); ++c)
            if (columns[c].key)
                order.push_back(c);
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return columns[a].key < columns[b].key; });
        for (size_t c = 0; c < columns.size(); ++c)
            order.push_back(c);
        const auto sortKey = [&](const std::vector<Form>& row) {
            std::vector<std::string> key;
            for (size_t c : order)
                key.push_back(row[c] ? *row[c] : std::string("\x01"));
            return key;
        };
        std::vector<size_t> sourceOrder(sourceRows.size()), copyOrder(copyRows.size());
        for (size_t r = 0; r < sourceOrder.size(); ++r)
            sourceOrder[r] = r;
        for (size_t r = 0; r < copyOrder.size(); ++r)
            copyOrder[r] = r;
        std::stable_sort(sourceOrder.begin(), sourceOrder.end(),
                         [&](size_t a, size_t b) { return sortKey(sourceRows[a]) < sortKey(sourceRows[b]); });
        std::stable_sort(copyOrder.begin(), copyOrder.end(),
                         [&](size_t a, size_t b) { return sortKey(copyRows[a]) < sortKey(copyRows[b]); });
        // Rows the copy holds as they are pair first; the rest pair in that order.
        std::map<std::vector<Form>, long> held;
        for (const auto& row : copyRows)
            ++held[row];
        std::vector<size_t> sourceLeft, copyLeft;
        for (size_t r : sourceOrder) {
            auto found = held.find(sourceRows[r]);
            if (found != held.end() && found->second > 0 && std::find(sourceRows[r].begin(), sourceRows[r].end(), kNoForm) == sourceRows[r].end())
                --found->second;
            else
                sourceLeft.push_back(r);
        }
        for (size_t r : copyOrder) {
            auto found = held.find(copyRows[r]);
            if (found != held.end() && found->second > 0) {
                --found->second;
                copyLeft.push_back(r);
            }
        }
        sourceOrder = sourceLeft;
        copyOrder = copyLeft;
        if (sourceRows.size() != copyRows.size())
            found.faults.push_back(where + ": " + std::to_string(sourceRows.size()) + " rows in the source, " +
                                   std::to_string(copyRows.size()) + " in the copy");
        const std::string script = DataScript(i);
        int shownFaults = 0;
        for (size_t r = 0; r < std::min(sourceOrder.size(), copyOrder.size()); ++r) {
            const auto& s = sourceRows[sourceOrder[r]];
            const auto& c = copyRows[copyOrder[r]];
            for (size_t k = 0; k < columns.size(); ++k) {
                if (s[k] && s[k] == c[k])
                    continue;
                if (beyondBabelfish[sourceOrder[r]][k]) {
                    found.excused.push_back(where + ", column " + columns[k].name + ": not judged on Babelfish, which differs from SQL Server here: " +
                                            kMicroseconds);
                    continue;
                }
                if (shownFaults++ >= 5 && !Logged(i, columns[k].name))
                    continue;  // a table's first few faults tell enough
                fault(columns[k].name,
                      "row " + std::to_string(sourceOrder[r] + 1) + " (" + columns[k].type + "): source " +
                          sourceShown[sourceOrder[r]][k] + " held as " + Shown(s[k]) + ", replayed " + Shown(c[k]) +
                          (sourceRows.size() == 1 ? "; script: " + Shown(Inserts(script)) : std::string()));
            }
        }
        if (shownFaults > 5)
            found.faults.push_back(where + ": " + std::to_string(shownFaults - 5) + " more differences not shown");
        return found;
    }

    std::vector<Column> Columns(const std::string& table)
    {
        std::vector<Column> columns;
        RawSqlite source(m_source);
        // Computed columns too (hidden 2 and 3): the copy must hold their values as well.
        for (const auto& row : source.Rows("pragma table_xinfo(" + DoubleQuoted(table) + ")"))
            if (std::get<std::int64_t>(row[6]) != 1)
                columns.push_back({ado::ToText(row[1]), ado::IsNull(row[2]) ? std::string() : ado::ToText(row[2]),
                                   static_cast<int>(std::get<std::int64_t>(row[5]))});
        return columns;
    }

    // The insert statements of a data script, from the first.
    static std::string Inserts(const std::string& script)
    {
        const size_t at = script.find("insert into");
        return at == std::string::npos ? script : script.substr(at);
    }

private:
    QString Path(const QString& name) const { return QDir(m_folder).filePath(name); }

    std::string m_server;
    QString m_folder;
    std::string m_source;
    bool m_babelfish;
    std::vector<std::string> m_tables;
};

bool IsBabelfish(const std::string& serverText)
{
    ado::Connection server;
    server.Open(serverText, ado::adModeRead);
    const ado::RecordsetPtr version = server.Execute("select @@version as v");
    return ado::ToText(version->Fields(0L).GetValue()).find("Babelfish") != std::string::npos;
}

// One table of the corpus: a column of a declared type with values of every kind, what the
// type holds of each (kNoForm: nothing, so the export must log the column), and how Babelfish
// differs from SQL Server there, when it does.
struct Case {
    Case(std::string type_, std::vector<std::string> values_, std::vector<Form> held_, std::string babelfish_ = {},
         std::string table_ = {}, std::string column_ = "v", std::string more_ = {})
        : type(std::move(type_)), values(std::move(values_)), held(std::move(held_)), babelfish(std::move(babelfish_)),
          table(std::move(table_)), column(std::move(column_)), more(std::move(more_))
    {
    }

    std::string type;
    std::vector<std::string> values;  // SQLite expressions, one row each
    std::vector<Form> held;
    std::string babelfish;
    std::string table;   // a name of its own; empty: c<number>
    std::string column;
    std::string more;    // further column definitions
};

const std::string kNul = "PostgreSQL texts cannot hold the NUL character (\"null character not permitted\")";
const std::string kMegabyte = "replace(hex(zeroblob(524288)), '0', 'x')";

std::vector<Case> Corpus()
{
    const std::string megabyteOfX(1 << 20, 'x');
    std::string chinese;
    for (int i = 0; i < 1 << 19; ++i)
        chinese += "中";
    return {
        {"int", {"2147483647", "-2147483648", "'12'", "3.0", "null"}, {"2147483647", "-2147483648", "12", "3", "NULL"}},
        {"int", {"1099511627776"}, {kNoForm}},
        {"int", {"1.5"}, {kNoForm}},
        {"int", {"'abc'"}, {kNoForm}},
        {"int", {"x'0102'"}, {kNoForm}},
        {"tinyint", {"255", "0"}, {"255", "0"}},
        {"tinyint", {"300"}, {kNoForm}},
        {"tinyint", {"-1"}, {kNoForm}},
        {"smallint", {"-32768", "32767"}, {"-32768", "32767"}},
        {"smallint", {"32768"}, {kNoForm}},
        {"bigint", {"9223372036854775807", "-9223372036854775808", "'42'"}, {"9223372036854775807", "-9223372036854775808", "42"}},
        {"bigint", {"1e19"}, {kNoForm}},
        {"bit", {"1", "2", "0", "'true'", "'False'", "0.5"}, {"1", "1", "0", "1", "0", "1"}},
        {"bit", {"'yes'"}, {kNoForm}},
        {"bit", {"x'01'"}, {kNoForm}},
        {"decimal(18,4)", {"1.5", "-0.00005", "'12.34567'", "0", "'-0'"}, {"1.5000", "-0.0001", "12.3457", "0.0000", "0.0000"}},
        // SQLite keeps decimals as integers or doubles: 1234567890.0123456789 is the double 1234567890.0123458.
        {"decimal(28,10)", {"1234567890.0123456789", "-0.0000000001"}, {"1234567890.0123458000", "-0.0000000001"}},
        {"decimal(38,0)", {"1e39"}, {kNoForm}},
        {"numeric(10,2)", {"0.1", "12345678.994"}, {"0.10", "12345678.99"}},
        {"decimal(5,2)", {"1000"}, {kNoForm}},
        {"decimal(18,2)", {"1e300"}, {kNoForm}},
        {"decimal(18,4)", {"'abc'"}, {kNoForm}},
        {"decimal(18,4)", {"x'01'"}, {kNoForm}},
        {"money", {"2.5", "922337203685477", "-922337203685477.5"}, {"2.5000", "922337203685477.0000", "-922337203685477.5000"}},
        {"money", {"922337203685477.6"}, {kNoForm}},
        {"smallmoney", {"214748.3647", "-214748.3648"}, {"214748.3647", "-214748.3648"}},
        {"smallmoney", {"214748.3648"}, {kNoForm}},
        {"float", {"1.7976931348623157e308", "-1.7976931348623157e308", "2.2250738585072014e-308", "0.1+0.2", "9223372036854775807", "'1e10'", "1.0/3"},
         {"1.7976931348623157e+308", "-1.7976931348623157e+308", "2.2250738585072014e-308", "0.30000000000000004", "9223372036854775808", "1e+10", "0.3333333333333333"}},
        {"float", {"'abc'"}, {kNoForm}},
        {"float", {"1e999"}, {kNoForm}},
        {"float", {"x'01'"}, {kNoForm}},
        {"double", {"-0.5", "123456789.125"}, {"-0.5", "123456789.125"}},
        {"real", {"3.4028234663852886e38", "0.1", "16777217", "-1.5"}, {"3.4028235e+38", "0.1", "16777216", "-1.5"}},
        {"real", {"3.5e38"}, {kNoForm}},
        {"datetime", {"'2024-02-29 23:59:59.997'", "'2024-01-31 08:05:09.1234567'", "'2024-01-31T08:05:09.002'", "'2024-01-31 08:05:09.0016666'",
                      "'1753-01-01'", "'9999-12-31 23:59:59.997'"},
         {"2024-02-29 23:59:59.997", "2024-01-31 08:05:09.123", "2024-01-31 08:05:09.003", "2024-01-31 08:05:09.000",
          "1753-01-01 00:00:00.000", "9999-12-31 23:59:59.997"}},
        {"datetime", {"'2024-02-29 23:59:59.999'"}, {kNoForm}},
        {"datetime", {"'1752-12-31'"}, {kNoForm}},
        {"datetime", {"'0001-01-01'"}, {kNoForm}},
        {"datetime", {"'2024-02-30'"}, {kNoForm}},
        {"datetime", {"'not a date'"}, {kNoForm}},
        {"datetime", {"45000"}, {kNoForm}},
        {"datetime", {"x'01'"}, {kNoForm}},
        {"smalldatetime", {"'2024-01-01 10:10:29'", "'2024-01-01 10:10:30'", "'2079-06-06 23:59:00'"},
         {"2024-01-01 10:10:00", "2024-01-01 10:11:00", "2079-06-06 23:59:00"}},
        {"smalldatetime", {"'2079-06-07'"}, {kNoForm}},
        {"smalldatetime", {"'1899-12-31'"}, {kNoForm}},
        {"date", {"'0001-01-01'", "'9999-12-31'", "'2024-02-29 13:00:00'"}, {"0001-01-01", "9999-12-31", "2024-02-29"}},
        {"time", {"'00:00:00'", "'12:34:56.1234567'"}, {"00:00:00.0000000", "12:34:56.1234567"}},
        {"time", {"'23:59:59.9999999'"}, {"23:59:59.9999999"}, kMicroseconds},
        {"time(0)", {"'12:00:00.4'"}, {"12:00:00"}},
        {"time(3)", {"'00:00:00.0005'"}, {"00:00:00.001"}},
        {"datetime2", {"'0001-01-01 00:00:00.0000001'", "'2024-01-31T08:05:09.1234567'"},
         {"0001-01-01 00:00:00.0000001", "2024-01-31 08:05:09.1234567"}},
        {"datetime2", {"'9999-12-31 23:59:59.9999999'"}, {"9999-12-31 23:59:59.9999999"}, kMicroseconds},
        {"datetime2(0)", {"'2024-01-01 12:00:00.5'"}, {"2024-01-01 12:00:01"}},
        {"datetime2(3)", {"'2024-02-29 23:59:59.9996'"}, {kNoForm}},
        {"char(5)", {"'ab'", "'it''s'", "''"}, {"'ab   '", "'it''s '", "'     '"}},
        {"char(3)", {"'abcdef'"}, {kNoForm}},
        {"char(4)", {"x'41'"}, {kNoForm}},
        {"varchar(20)", {"'a'||char(13)||char(10)||'b'", "'  pad  '", "'中文'", "12", "1.5", "'*/ drop table x --'"},
         {"'a\r\nb'", "'  pad  '", "'中文'", "'12'", "'1.5'", "'*/ drop table x --'"}},
        {"varchar(20)", {"'a'||char(0)||'b'"}, {std::string("'a\0b'", 5)}, kNul},
        {"varchar(2147483647)", {"'x\\'||char(13)||char(10)||'y'", "char(13)||char(10)||'GO'||char(13)||char(10)||'z'", "'GO'"},
         {"'x\\\r\ny'", "'\r\nGO\r\nz'", "'GO'"}},
        {"varchar(10)", {"x'00ff'"}, {kNoForm}},
        {"text", {kMegabyte}, {"'" + megabyteOfX + "'"}},
        {"nchar(4)", {"'😀'", "'ab'"}, {"'😀  '", "'ab  '"}},
        {"nvarchar(10)", {"'😀𝄞'", "'O''Hara'||char(13)||char(10)"}, {"'😀𝄞'", "'O''Hara\r\n'"}},
        {"nvarchar(3)", {"'😀😀'"}, {kNoForm}},
        {"nvarchar(10)", {"x'01'"}, {kNoForm}},
        {"nvarchar(1073741823)", {"replace(hex(zeroblob(262144)), '0', '中')"}, {"'" + chinese + "'"}},
        {"ntext", {"'it''s'||char(0)"}, {std::string("'it''s\0'", 8)}, kNul},
        {"binary(4)", {"x'0102'", "'ab'"}, {"0x01020000", "0x61620000"}},
        {"binary(2)", {"x'010203'"}, {kNoForm}},
        {"varbinary(10)", {"42", "1.5", "x''"}, {"0x3432", "0x312E35", "0x"}},
        {"varbinary(2147483647)", {"zeroblob(1048576)"}, {"0x" + std::string(2 << 20, '0')}},
        {"image", {"x'00ff'"}, {"0x00FF"}},
        {"blob", {"'text'"}, {"0x74657874"}},
        {"uniqueidentifier", {"'6f9619ff-8b86-d011-b42d-00c04fc964ff'", "'{6F9619FF-8B86-D011-B42D-00C04FC964FE}'"},
         {"6F9619FF-8B86-D011-B42D-00C04FC964FF", "6F9619FF-8B86-D011-B42D-00C04FC964FE"}},
        {"uniqueidentifier", {"'not-a-guid'"}, {kNoForm}},
        {"uniqueidentifier", {"x'00112233445566778899aabbccddeeff'"}, {kNoForm}},
        {"", {"'x'", "42"}, {"'x'", "'42'"}},
        {"", {"x'01'"}, {kNoForm}},
        // Identity values with gaps are kept, so references to them survive.
        {"int identity(1,1) not null", {"1", "5", "6", "1000"}, {"1", "5", "6", "1000"}, {}, "ident", "id", ", w varchar(5)"},
        // Names that need brackets or that SQL Server allows bare.
        {"int", {"1"}, {"1"}, {}, "order", "select"},
        {"int", {"1"}, {"1"}, {}, "a#b", "c#d"},
        {"int", {"1"}, {"1"}, {}, "a$b", "c$d"},
        {"int", {"1"}, {"1"}, "Babelfish takes no @ inside a bare name (\"syntax error at or near @b\")", "a@b", "c@d"},
        {"int", {"1"}, {"1"}, {}, "my table", "my column"},
        {"int", {"1"}, {"1"}, "Babelfish takes no ]] inside a bracketed name (\"syntax error at or near ]\")", "x]y", "p]q"},
        {"int", {"1"}, {"1"}, {}, "it's", "it's"},
        {"int", {"1"}, {"1"}, {}, "1st", "2nd"},
    };
}

class ReplayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    std::string Path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)).toStdString(); }

    // Replays every table on a new database; each fault fails the test, each difference the
    // log excuses is printed.
    void ReplayAll(const std::string& server, Replay& replay, size_t tables,
                   const std::map<size_t, std::string>& babelfishSkips = {})
    {
        std::vector<size_t> judged;
        for (size_t i = 0; i < tables; ++i) {
            if (const auto skip = babelfishSkips.find(i); skip != babelfishSkips.end())
                std::cout << "not judged on Babelfish, which differs from SQL Server here: " << skip->second << "\n";
            else
                judged.push_back(i);
        }
        // One run of tabrix apply for all tables when they all apply (a login to the server per
        // table is most of the time here); otherwise one run per table on a new database, so
        // that a failure names its table.
        auto scratch = std::make_unique<ScratchDatabase>(server);
        const bool applied = replay.ApplyAll(judged, scratch->ConnectionText());
        if (!applied)
            scratch = std::make_unique<ScratchDatabase>(server);
        ado::Connection copy;
        copy.Open(scratch->ConnectionText(), ado::adModeRead);
        for (size_t i : judged) {
            const Findings found = replay.Check(i, copy, scratch->ConnectionText(), applied);
            for (const std::string& text : found.faults)
                ADD_FAILURE() << text;
            for (const std::string& text : found.excused)
                std::cout << "not counted as a fault (logged by the export, or named here): " << text << "\n";
        }
    }

    QTemporaryDir m_folder;
};

// Writes the corpus into a SQLite file, one table per case; its table names. With check, each
// value's form is checked against the case (the comparison's own reading of every kind).
std::vector<std::string> WriteCorpus(const std::string& path, const std::vector<Case>& corpus, bool check)
{
    std::vector<std::string> tables;
    RawSqlite source(path);
    for (size_t i = 0; i < corpus.size(); ++i) {
        const Case& c = corpus[i];
        tables.push_back(c.table.empty() ? "c" + std::to_string(i) : c.table);
        source.Exec("create table " + DoubleQuoted(tables[i]) + "(" + DoubleQuoted(c.column) + " " + c.type + c.more + ")");
        for (const std::string& value : c.values)
            source.Exec("insert into " + DoubleQuoted(tables[i]) + "(" + DoubleQuoted(c.column) + ") values(" + value + ")");
        if (!check)
            continue;
        const ServerForm form = ServerForm::Parse(c.type);
        const auto rows = source.Rows("select " + DoubleQuoted(c.column) + " from " + DoubleQuoted(tables[i]));
        EXPECT_EQ(rows.size(), c.held.size()) << tables[i];
        for (size_t r = 0; r < std::min(rows.size(), c.held.size()); ++r)
            EXPECT_EQ(form.Of(rows[r][0]), c.held[r]) << "case " << tables[i] << " (" << c.type << ") row " << r + 1
                                                      << ": the comparison's reading of " << SourceShown(rows[r][0]);
    }
    return tables;
}

// Every value of the corpus takes the form its column's type gives it (no server needed).
TEST_F(ReplayTest, CorpusValuesTakeTheFormsTheirTypesHold)
{
    WriteCorpus(Path("corpus.db"), Corpus(), true);
}

// Every corpus case replayed: a value its type cannot hold must be logged, and every value read
// back must be the form its type holds, unless the log names its column.
TEST_F(ReplayTest, HostileCorpusReplaysValueForValue)
{
    TABRIX_REQUIRE_SQL_SERVER(server);
    const std::vector<Case> corpus = Corpus();
    const std::vector<std::string> tables = WriteCorpus(Path("corpus.db"), corpus, false);
    const bool babelfish = IsBabelfish(server);
    Replay replay(server, m_folder.path(), Path("corpus.db"), babelfish);
    const int exported = replay.Export(tables);

    bool anyLogged = false;
    std::map<size_t, std::string> skips;
    for (size_t i = 0; i < corpus.size(); ++i) {
        const Case& c = corpus[i];
        const bool logged = replay.Logged(i, c.column);
        anyLogged = anyLogged || logged;
        for (size_t r = 0; r < c.held.size(); ++r)
            if (!c.held[r] && !logged)
                ADD_FAILURE() << "table " << tables[i] << ", column " << c.column << " (" << c.type << "): row " << r + 1
                              << ", source " << c.values[r] << ", has no form in its type and the export did not log it; "
                              << "script: " << Shown(Replay::Inserts(replay.DataScript(i)));
        if (babelfish && !c.babelfish.empty())
            skips[i] = tables[i] + " (" + c.type + "): " + c.babelfish;
    }
    EXPECT_EQ(exported, anyLogged ? 3 : 0) << "the export's status tells whether values were logged";
    ReplayAll(server, replay, corpus.size(), skips);
}

// The demo account database, every table, replays value for value.
TEST_F(ReplayTest, DemoDatabaseReplaysValueForValue)
{
    TABRIX_REQUIRE_SQL_SERVER(server);
    ASSERT_EQ(RunTabrix({"demo-db", "account.db"}, m_folder.path()).exitCode, 0);
    std::vector<std::string> tables;
    {
        RawSqlite source(Path("account.db"));
        for (const auto& row : source.Rows("select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by name"))
            tables.push_back(ado::ToText(row[0]));
    }
    ASSERT_GT(tables.size(), 100u);
    Replay replay(server, m_folder.path(), Path("account.db"), IsBabelfish(server));
    replay.Export(tables);
    ReplayAll(server, replay, tables.size());
}

// tabrix export --verify-on: the scripts replayed on a scratch database of the server, which is
// gone afterwards; an equal copy passes, a value its type cannot hold makes the table differ.
TEST_F(ReplayTest, VerifyOnComparesOnTheServerAndDropsItsDatabase)
{
    TABRIX_REQUIRE_SQL_SERVER(server);
    {
        RawSqlite source(Path("v.db"));
        source.Exec("create table ok(id int identity(1,1) not null, n decimal(18,4), t char(3), m money, r real, b bit, "
                    "u nchar(3), g uniqueidentifier, x binary(4), d datetime, s smalldatetime);"
                    "insert into ok values (1, 1.5, 'a', 2.5, 0.1, 2, 'é', '6f9619ff-8b86-d011-b42d-00c04fc964ff', x'01', "
                    "'2024-01-31 08:05:09.123', '2024-01-31 08:05:00'), (2, null, 'b', null, null, 0, null, null, null, null, null);"
                    "create table odd(v char(4)); insert into odd values (x'41');");
    }
    ado::Connection master;
    master.Open(server, ado::adModeRead);
    const auto scratchDatabases = [&] {
        std::vector<std::string> names;
        const ado::RecordsetPtr rows = master.Execute("select name from sys.databases where name like 'tabrix_scratch_%'");
        for (; !rows->Eof(); rows->MoveNext())
            names.push_back(ado::ToText(rows->Fields(0L).GetValue()));
        return names;
    };
    const std::vector<std::string> before = scratchDatabases();
    const struct {
        const char* table;
        int status;
        const char* output;
    } cases[] = {
        {"ok", 0, "tabrix export --verify: 1 tables replayed on a scratch copy on the server and equal to their source"},
        {"odd", 4, "verify: the copy differs: 1 rows in the source, 1 in the copy; 1 values of the source have no form"},
    };
    for (const auto& c : cases) {
        QFile file(m_folder.filePath(QStringLiteral("t.xml")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("<template><server name=\"s\" constr=\"Provider=SQLite;Data Source=v.db\"><database "
                                  "name=\"v\"><table name=\"%1\"/></database></server></template>")
                       .arg(QLatin1String(c.table))
                       .toUtf8());
        file.close();
        const TabrixOutcome run = RunTabrix({"export", "t.xml", "--struct", "s.sql", "--data", "d.sql", "--verify-on",
                                             FromUtf8(server)},
                                            m_folder.path());
        EXPECT_EQ(run.exitCode, c.status) << c.table << ": " << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QLatin1String(c.output))) << c.table << ": " << (run.out + run.err).toStdString();
    }
    EXPECT_EQ(scratchDatabases(), before);
}

// Our ODBC provider reads the 100 ns digits of time and datetime2 values.
TEST_F(ReplayTest, DatesAndTimesReadBackWithTheirHundredNanoseconds)
{
    TABRIX_REQUIRE_SQL_SERVER(server);
    ado::Connection connection;
    connection.Open(server, ado::adModeRead);
    const struct {
        const char* expression;
        ado::DateTime expected;
    } cases[] = {
        // Microseconds: Babelfish keeps no more (PostgreSQL's precision), SQL Server 100 ns.
        {"cast('2024-01-31 08:05:09.123456' as datetime2(7))", {2024, 1, 31, 8, 5, 9, 123, 4560}},
        {"cast('0001-01-01 00:00:00.000001' as datetime2(7))", {1, 1, 1, 0, 0, 0, 0, 10}},
        {"cast('23:59:59.999999' as time(7))", {1899, 12, 30, 23, 59, 59, 999, 9990}},
        {"cast('2024-02-29 23:59:59.997' as datetime)", {2024, 2, 29, 23, 59, 59, 997, 0}},
    };
    for (const auto& c : cases) {
        const ado::RecordsetPtr rows = connection.Execute(std::string("select ") + c.expression + " as v");
        const ado::Value& value = rows->Fields(0L).GetValue();
        ASSERT_TRUE(std::holds_alternative<ado::DateTime>(value)) << c.expression;
        EXPECT_EQ(ado::ToText(value), ado::ToText(c.expected)) << c.expression;
    }
}

}  // namespace
