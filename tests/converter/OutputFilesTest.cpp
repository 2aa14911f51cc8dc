// The run's output files: automatic flushes stop at whole statements, a quit drops only the
// unfinished one, and every write whose text does not reach its file is counted and reported.
#include "ConverterFixture.h"

#include "Dispatch.h"
#include "OutputFiles.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Files of this process may grow to limit bytes while it lives; a write beyond stops short.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) : m_signal(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit lowered{limit, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_signal)(int);
};

TEST(OutputFile, FlushesWholeStatementsAndDropsOnlyTheUnfinishedOne)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("d.sql")).toStdString();
    const std::string values(300000, '1');  // past the size that flushes
    const std::string firstRow = "insert into t(\r\na) values(" + values + ")\r\n-- end of row\r\n";
    {
        OutputFile file(path);
        file.Write("insert into t(", false);
        file.Text() += "a) values(" + values + ")";
        file.EndWrite(false);
        EXPECT_EQ(ReadFile(path), "") << "an unfinished statement was flushed";
        file.Write("-- end of row");
        EXPECT_EQ(ReadFile(path), firstRow);

        // The closing statement follows the whole ones.
        file.Write("delete from t");
        file.SetClosing("commit tran");
        file.Write("insert into t(", false);
        file.FlushWholeStatements();
        const std::string quit = firstRow + "delete from t\r\ncommit tran\r\n";
        EXPECT_EQ(ReadFile(path), quit);

        // A plain flush writes everything, finished or not.
        file.Write("insert into t(", false);
        file.Flush();
        EXPECT_EQ(ReadFile(path), quit + "insert into t(\r\n");
        file.Write("a) values(2)");
    }
    EXPECT_EQ(ReadFile(path), firstRow + "delete from t\r\ncommit tran\r\ninsert into t(\r\na) values(2)\r\n");
}

TEST(OutputFile, CountsEveryWriteThatDoesNotReachTheFile)
{
    QTemporaryDir folder;
    OutputFile missingFolder(folder.filePath(QStringLiteral("no/such/d.sql")).toStdString());
    for (int i = 0; i < 3; ++i)
        missingFolder.Write("lost");
    missingFolder.Flush();
    missingFolder.Flush();
    EXPECT_EQ(missingFolder.FailedWrites(), 3);

    // Ten rows of 200 bytes into a file that may hold 1,100: five arrive whole, the sixth
    // in part, and the six to ten are lost.
    const std::string path = folder.filePath(QStringLiteral("full.sql")).toStdString();
    {
        const FileSizeLimit limit(1100);
        OutputFile file(path);
        for (int i = 0; i < 10; ++i) {
            file.Text() += std::string(198, static_cast<char>('0' + i));
            file.EndWrite(true, true);
        }
        file.Close();
        EXPECT_EQ(file.FailedWrites(), 5);
        EXPECT_EQ(file.LostRows(), 5);
        EXPECT_FALSE(file.WriteError().empty());
    }
    EXPECT_EQ(ReadFile(path).size(), 1100u);
}

class FailedWrites : public ConverterFixture {};

TEST_F(FailedWrites, AreCountedByFileAndReadByNameUntilCleared)
{
    Sql("create table t(a int); insert into t values(1); insert into t values(2);");
    const xml::XmlDocument document =
        Template(R"(<table name="t" hint="h"/>)", R"(structfile="s.sql" datafile="no/such/d.sql" logfile="log.txt")");
    auto converter = PlayingConverter();
    converter->ExportDB(FirstDatabase(document));
    EXPECT_NE(Read("s.sql").find("create table t("), std::string::npos);
    // The table whose data did not reach its file is logged, not a success.
    EXPECT_NE(Read("log.txt").find("writes to no/such/d.sql failed (No such file or directory)"), std::string::npos)
        << Read("log.txt");

    // The hint, the delete, and two writes per insert.
    EXPECT_EQ(automation::GetProperty(converter.get(), "FailedWrites").toLongLong(), 6);
    // Outside a run, the write goes through the utility's append and is counted all the same.
    converter->WriteToFile(FirstTable(document), QStringLiteral("lost"));
    const QVariantMap byFile = automation::GetProperty(converter.get(), "FailedWriteFiles").toMap();
    EXPECT_EQ(byFile.keys(), QStringList{QStringLiteral("no/such/d.sql")});
    EXPECT_EQ(byFile.value(QStringLiteral("no/such/d.sql")).toLongLong(), 7);
    EXPECT_THROW(automation::SetProperty(converter.get(), "FailedWrites", 0), automation::AutomationError);

    automation::Invoke(converter.get(), "ClearFailedWrites");
    EXPECT_EQ(automation::GetProperty(converter.get(), "FailedWrites").toLongLong(), 0);
    EXPECT_TRUE(automation::GetProperty(converter.get(), "FailedWriteFiles").toMap().isEmpty());
}

}  // namespace

// A table that fails takes back what it wrote, from the buffer or, once flushed, from the file.
TEST(OutputFile, RollBackEndsTheFileAtTheMark)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("d.sql")).toStdString();
    const std::string row(100000, 'x');
    for (const int rows : {1, 5}) {  // 5 rows pass the size that flushes
        std::remove(path.c_str());
        OutputFile file(path);
        file.Write("-- kept");
        file.Flush();
        file.Write("delete from t");
        const OutputFile::Mark mark = file.TakeMark();
        for (int i = 0; i < rows; ++i)
            file.Write(row);
        EXPECT_TRUE(file.RollBack(mark));
        file.Write("-- next");
        file.Close();
        EXPECT_EQ(ReadFile(path), "-- kept\r\ndelete from t\r\n-- next\r\n") << rows;
        EXPECT_EQ(file.FailedWrites(), 0);
    }
}
