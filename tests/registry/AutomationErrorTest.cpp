#include "AutomationError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

using namespace automation;

namespace {

ErrorInfo PendingError()
{
    return ErrorInfo{1004, QStringLiteral("读取列表错误: 超时"), QStringLiteral("NorvMClass.ClassInfo"),
                     QStringLiteral("/help/norv.hlp"), 4711};
}

void ExpectSame(const ErrorInfo& actual, const ErrorInfo& expected)
{
    EXPECT_EQ(actual.number, expected.number);
    EXPECT_EQ(actual.description, expected.description);
    EXPECT_EQ(actual.source, expected.source);
    EXPECT_EQ(actual.helpFile, expected.helpFile);
    EXPECT_EQ(actual.helpContext, expected.helpContext);
}

}  // namespace

TEST(AutomationError, CarriesEveryFieldAndDescribesItselfInUtf8)
{
    const AutomationError error(PendingError());
    ExpectSame(error.Info(), PendingError());
    EXPECT_EQ(error.Number(), 1004);
    EXPECT_STREQ(error.what(), "读取列表错误: 超时");
}

TEST(AutomationError, SavedErrorPutsBackEveryFieldAfterAFailureAndAClear)
{
    SetCurrentError(PendingError());
    {
        SavedError saved;
        try {
            throw AutomationError(53, QStringLiteral("File not found"), QStringLiteral("other"), QStringLiteral("x.hlp"), 1);
        } catch (...) {
            SetCurrentError(InfoFromCurrentException());
        }
        EXPECT_EQ(CurrentError().number, 53);
        ClearCurrentError();
        EXPECT_EQ(CurrentError().number, 0);
        EXPECT_TRUE(CurrentError().description.isEmpty());
    }
    ExpectSame(CurrentError(), PendingError());
    ClearCurrentError();
}

TEST(AutomationError, SavedErrorKeepsAnEmptyErrorEmpty)
{
    ClearCurrentError();
    {
        SavedError saved;
        SetCurrentError(PendingError());
    }
    ExpectSame(CurrentError(), ErrorInfo{});
}

TEST(AutomationError, EachThreadHasItsOwnCurrentError)
{
    SetCurrentError(PendingError());
    ErrorInfo seenByOtherThread{-1, {}, {}, {}, 0};
    std::thread other([&] {
        seenByOtherThread = CurrentError();
        SetCurrentError(ErrorInfo{7, QStringLiteral("Out of memory"), {}, {}, 0});
    });
    other.join();
    EXPECT_EQ(seenByOtherThread.number, 0);
    ExpectSame(CurrentError(), PendingError());
    ClearCurrentError();
}

TEST(AutomationError, InfoFromCurrentExceptionKeepsAutomationFieldsAndWrapsOthers)
{
    try {
        throw AutomationError(PendingError());
    } catch (...) {
        ExpectSame(InfoFromCurrentException(), PendingError());
    }
    try {
        throw std::runtime_error("disk full");
    } catch (...) {
        const ErrorInfo info = InfoFromCurrentException();
        EXPECT_EQ(info.number, 440);
        EXPECT_EQ(info.description, QStringLiteral("disk full"));
    }
    try {
        throw 42;
    } catch (...) {
        const ErrorInfo info = InfoFromCurrentException();
        EXPECT_EQ(info.number, 440);
        EXPECT_FALSE(info.description.isEmpty());
    }
}
