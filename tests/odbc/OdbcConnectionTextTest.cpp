#include "AutomationError.h"
#include "ConnectionText.h"
#include "OdbcConnectionText.h"

#include <gtest/gtest.h>

using namespace ado::odbc;

namespace {

constexpr const char* kDriver = "FreeTDS";

std::string Mapped(std::string_view text) { return FromSqlServerText(text, kDriver).connectionString; }

}  // namespace

TEST(OdbcConnectionText, RoutesSqlServerProvidersAndOdbcTextsOnly)
{
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("Provider=SQLOLEDB.1;Data Source=h")));
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("provider=sqloledb;Data Source=h")));
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("Provider=SQLNCLI11;Data Source=h")));
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("Provider=MSOLEDBSQL.1;Data Source=h")));
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("Driver=SQLite3;Database=/tmp/x.db")));
    EXPECT_TRUE(IsOdbcText(ado::ConnectionText("DSN=accounts;UID=u")));
    EXPECT_FALSE(IsOdbcText(ado::ConnectionText("Provider=SQLite;Data Source=/tmp/a.db;Language=CHS")));
    EXPECT_FALSE(IsOdbcText(ado::ConnectionText("Data Source=/tmp/a.db")));
    EXPECT_FALSE(IsOdbcText(ado::ConnectionText("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb")));
}

TEST(OdbcConnectionText, BuiltStringBecomesFreeTdsConnection)
{
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;User ID=sa;pwd=secret;Initial Catalog=acct001;Data Source=dbhost"),
              "Driver={FreeTDS};Server=dbhost;UID=sa;PWD=secret;Database=acct001;"
              "ClientCharset=UTF-8;TDS_Version=auto;");
}

TEST(OdbcConnectionText, EmptyUserAndPasswordStayEmpty)
{
    // A template without user and pwd still builds "User ID=" and ";pwd=" with nothing after them.
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;User ID=;pwd=;Initial Catalog=db;Data Source=h"),
              "Driver={FreeTDS};Server=h;UID=;PWD=;Database=db;ClientCharset=UTF-8;TDS_Version=auto;");
}

TEST(OdbcConnectionText, PortsInstancesAndLocalNames)
{
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;Data Source=dbhost,1444"),
              "Driver={FreeTDS};Server=dbhost;Port=1444;ClientCharset=UTF-8;TDS_Version=auto;");
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;Data Source=dbhost\\SQLEXPRESS"),
              "Driver={FreeTDS};Server=dbhost\\SQLEXPRESS;ClientCharset=UTF-8;TDS_Version=auto;");
    // A port reaches the instance directly; the instance name is then not needed.
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;Data Source=tcp:dbhost\\SQLEXPRESS, 1500"),
              "Driver={FreeTDS};Server=dbhost;Port=1500;ClientCharset=UTF-8;TDS_Version=auto;");
    EXPECT_EQ(ParseDataSource("(local)").host, "localhost");
    EXPECT_EQ(ParseDataSource(".\\SQLEXPRESS").host, "localhost");
    EXPECT_EQ(ParseDataSource(".\\SQLEXPRESS").instance, "SQLEXPRESS");
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;User ID=sa;pwd=x;Initial Catalog=db;Data Source="),
              "Driver={FreeTDS};Server=localhost;UID=sa;PWD=x;Database=db;ClientCharset=UTF-8;TDS_Version=auto;");
}

TEST(OdbcConnectionText, PasswordAndPwdAndOtherSpellings)
{
    EXPECT_EQ(Mapped("Provider=SQLOLEDB;Password=p1;User ID=u;Initial Catalog=d;Data Source=h"),
              Mapped("Provider=SQLOLEDB;pwd=p1;User ID=u;Initial Catalog=d;Data Source=h"));
    EXPECT_EQ(Mapped("Provider=SQLOLEDB;PASSWORD=p1;uid=u;Database=d;Server=h"),
              "Driver={FreeTDS};Server=h;UID=u;PWD=p1;Database=d;ClientCharset=UTF-8;TDS_Version=auto;");
}

TEST(OdbcConnectionText, SemicolonsInsideCopiedValuesStayInTheirValue)
{
    // The converter copies template values unchanged: a password "a;b=c;" splits the text.
    const Pairs pairs =
        SplitSqlServerText("Provider=SQLOLEDB.1;User ID=sa;pwd=a;b=c;;Initial Catalog=db;x;Data Source=h,1433");
    ASSERT_EQ(pairs.size(), 5u);
    EXPECT_EQ(pairs[1], (std::pair<std::string, std::string>("User ID", "sa")));
    EXPECT_EQ(pairs[2], (std::pair<std::string, std::string>("pwd", "a;b=c;")));
    EXPECT_EQ(pairs[3], (std::pair<std::string, std::string>("Initial Catalog", "db;x")));
    EXPECT_EQ(pairs[4], (std::pair<std::string, std::string>("Data Source", "h,1433")));
    // ODBC needs such values in braces, a "}" doubled.
    EXPECT_EQ(Mapped("Provider=SQLOLEDB.1;User ID=sa;pwd=a;b}c;Initial Catalog=db;Data Source=h"),
              "Driver={FreeTDS};Server=h;UID=sa;PWD={a;b}}c};Database=db;ClientCharset=UTF-8;TDS_Version=auto;");
}

TEST(OdbcConnectionText, QuotedValuesLoseTheirQuotes)
{
    const Pairs pairs = SplitSqlServerText("Provider=SQLOLEDB;Password=\"x;\"\"y\";User ID='o''k';Data Source=h");
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[1].second, "x;\"y");
    EXPECT_EQ(pairs[2].second, "o'k");
    // A quote that does not close the value is part of it.
    EXPECT_EQ(SplitSqlServerText("pwd=\"ab;Data Source=h")[0].second, "\"ab");
}

TEST(OdbcConnectionText, WindowsAuthenticationIsRefused)
{
    for (const char* text : {"Provider=SQLOLEDB.1;Integrated Security=SSPI;Initial Catalog=d;Data Source=h",
                             "Provider=SQLOLEDB.1;Trusted_Connection=yes;Data Source=h",
                             "Provider=SQLNCLI11;Integrated Security=True;Data Source=h"}) {
        try {
            Mapped(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const automation::AutomationError& e) {
            EXPECT_TRUE(e.Description().contains(QStringLiteral("Integrated Security"))) << e.what();
        }
    }
    EXPECT_NO_THROW(Mapped("Provider=SQLOLEDB.1;Integrated Security=false;User ID=u;pwd=p;Data Source=h"));
}

TEST(OdbcConnectionText, HostKeysNeverReachTheDriver)
{
    const std::string sqlServer =
        Mapped("Provider=SQLOLEDB.1;User ID=u;pwd=p;Initial Catalog=d;Data Source=h;Language=CHT");
    EXPECT_EQ(sqlServer.find("Language"), std::string::npos);
    EXPECT_EQ(sqlServer.find("CHT"), std::string::npos);

    const OdbcTarget odbc = FromOdbcText("Provider=x;Driver={ODBC Driver};Server=h;Language=CHS;"
                                         "PWD={a;b};Connect Timeout=7;UID=u");
    EXPECT_EQ(odbc.connectionString, "Driver={ODBC Driver};Server=h;PWD={a;b};UID=u;");
    EXPECT_EQ(odbc.loginTimeout, 7);
    EXPECT_EQ(FromOdbcText("DSN=acct;language=EN").connectionString, "DSN=acct;");
}

TEST(OdbcConnectionText, ConnectTimeoutBecomesTheLoginTimeout)
{
    EXPECT_EQ(FromSqlServerText("Provider=SQLOLEDB;Data Source=h;Connect Timeout=30", kDriver).loginTimeout, 30);
    EXPECT_EQ(FromSqlServerText("Provider=SQLOLEDB;Data Source=h", kDriver).loginTimeout, 15);
    EXPECT_EQ(FromSqlServerText("Provider=SQLOLEDB;Data Source=h;Connect Timeout=soon", kDriver).loginTimeout, 15);
}

TEST(OdbcConnectionText, PasswordsAreMasked)
{
    EXPECT_EQ(MaskPasswords("Provider=SQLOLEDB.1;User ID=sa;pwd=a;b=c;Initial Catalog=db;Data Source=h"),
              "Provider=SQLOLEDB.1;User ID=sa;pwd=****;Initial Catalog=db;Data Source=h");
    EXPECT_EQ(MaskPasswords("Provider=SQLOLEDB;Password=\"top;secret\";Data Source=h;"),
              "Provider=SQLOLEDB;Password=****;Data Source=h;");
    EXPECT_EQ(MaskPasswords("Driver={FreeTDS};Server=h;PWD={x;y}};z};UID=u"), "Driver={FreeTDS};Server=h;PWD=****;UID=u");
    EXPECT_EQ(MaskPasswords("Provider=SQLite;Data Source=/tmp/a.db;Language=CHS"),
              "Provider=SQLite;Data Source=/tmp/a.db;Language=CHS");
}

TEST(OdbcConnectionText, FreeTdsDriverByNameThenByLibrary)
{
    EXPECT_EQ(ChooseFreeTdsDriver({"SQLite3", "FreeTDS"}, {"/usr/lib/libtdsodbc.so"}), "FreeTDS");
    EXPECT_EQ(ChooseFreeTdsDriver({"SQLite3"}, {"/usr/lib/libtdsodbc.so"}), "/usr/lib/libtdsodbc.so");
    EXPECT_EQ(ChooseFreeTdsDriver({}, {}), "");
    EXPECT_EQ(Mapped("Provider=SQLOLEDB;Data Source=h").substr(0, 16), "Driver={FreeTDS}");
    EXPECT_EQ(FromSqlServerText("Provider=SQLOLEDB;Data Source=h", "/usr/lib/libtdsodbc.so").connectionString.substr(0, 30),
              "Driver=/usr/lib/libtdsodbc.so;");
}
