#include "Dispatch.h"
#include "DispatchSubject.h"

#include <QDate>

#include <gtest/gtest.h>

#include <functional>

using namespace automation;

namespace {

AutomationError CallFailure(const std::function<void()>& call)
{
    try {
        call();
    } catch (const AutomationError& e) {
        return e;
    }
    ADD_FAILURE() << "the call did not fail";
    return AutomationError(0, {});
}

void ExpectError(const AutomationError& error, long number, const QString& description)
{
    EXPECT_EQ(error.Number(), number);
    EXPECT_EQ(error.Description(), description);
}

}  // namespace

TEST(Dispatch, ConvertsArgumentsOfSeveralTypes)
{
    DispatchSubject subject;
    // An int reaches the qint64 parameter, a text the double, an int the bool.
    EXPECT_EQ(Invoke(&subject, "Format", {QStringLiteral("a"), 3, QStringLiteral("0.5"), 1}).toString(),
              QStringLiteral("a|3|0.5|yes"));
    const QVariant twice = Invoke(&subject, "Twice", {int(2'000'000'000)});
    EXPECT_EQ(twice.metaType(), QMetaType::fromType<qint64>());
    EXPECT_EQ(twice.toLongLong(), 4'000'000'000LL);
    // A missing (invalid) argument passes the type's default.
    EXPECT_EQ(Invoke(&subject, "Format", {QVariant(), QVariant(), QVariant(), QVariant()}).toString(),
              QStringLiteral("|0|0|no"));
    EXPECT_EQ(Invoke(&subject, "StateName", {2}).toString(), QStringLiteral("2"));
}

TEST(Dispatch, VoidMembersSlotsDefaultArgumentsAndVariants)
{
    DispatchSubject subject;
    EXPECT_FALSE(Invoke(&subject, "Tick").isValid());
    Invoke(&subject, "tick");
    EXPECT_EQ(subject.Count(), 2);
    Invoke(&subject, "Reset");
    EXPECT_EQ(subject.Count(), 0);

    EXPECT_EQ(Invoke(&subject, "Greet").toString(), QStringLiteral("hello world"));
    EXPECT_EQ(Invoke(&subject, "Greet", {QStringLiteral("you")}).toString(), QStringLiteral("hello you"));

    const QVariant list(QVariantList{1, QStringLiteral("x")});
    EXPECT_EQ(Invoke(&subject, "Echo", QVariantList{list}), list);
    EXPECT_FALSE(Invoke(&subject, "Echo", {QVariant()}).isValid());
}

TEST(Dispatch, OverloadTakesTheTypeTheArgumentsFit)
{
    DispatchSubject subject;
    EXPECT_EQ(Invoke(&subject, "Pick", {7}).toString(), QStringLiteral("int 7"));
    EXPECT_EQ(Invoke(&subject, "Pick", {QStringLiteral("7")}).toString(), QStringLiteral("text 7"));
    // A date converts to text but not to a number: the overload it fits is taken.
    EXPECT_EQ(Invoke(&subject, "Pick", {QVariant::fromValue(QDate(2024, 1, 31))}).toString(),
              QStringLiteral("text 2024-01-31"));
}

TEST(Dispatch, ObjectValuesTravelAsObjectPtr)
{
    DispatchSubject subject;
    const QVariant child = Invoke(&subject, "MakeChild", {QStringLiteral("kid")});
    ASSERT_EQ(child.metaType(), QMetaType::fromType<ObjectPtr>());
    const ObjectPtr object = child.value<ObjectPtr>();
    ASSERT_TRUE(object);
    EXPECT_EQ(object->objectName(), QStringLiteral("kid"));
    EXPECT_EQ(Invoke(&subject, "NameOf", {child}).toString(), QStringLiteral("kid"));
    EXPECT_EQ(Invoke(&subject, "NameOfRaw", {child}).toString(), QStringLiteral("kid"));
    EXPECT_EQ(Invoke(&subject, "NameOf", {QVariant()}).toString(), QStringLiteral("<none>"));
    ExpectError(CallFailure([&] { Invoke(&subject, "NameOf", {QStringLiteral("kid")}); }), 13,
                QStringLiteral("Type mismatch: 'NameOf'"));
}

TEST(Dispatch, PropertiesAreReadAndWrittenByName)
{
    DispatchSubject subject;
    SetProperty(&subject, "Caption", 12);
    EXPECT_EQ(subject.Caption(), QStringLiteral("12"));
    EXPECT_EQ(GetProperty(&subject, "caption").toString(), QStringLiteral("12"));
    SetProperty(&subject, "StopFlag", 2);
    EXPECT_EQ(subject.StopFlag(), DispatchSubject::ePlay);
    EXPECT_EQ(GetProperty(&subject, "StopFlag").toInt(), 2);
    SetProperty(&subject, "StopFlag", QVariant());
    EXPECT_EQ(subject.StopFlag(), DispatchSubject::eStop);
}

TEST(Dispatch, UnknownMembersWrongCountsAndMismatchesAreAutomationErrors)
{
    DispatchSubject subject;
    ExpectError(CallFailure([&] { Invoke(&subject, "Frobnicate"); }), 438,
                QStringLiteral("Object doesn't support this property or method: 'Frobnicate'"));
    ExpectError(CallFailure([&] { GetProperty(&subject, "Colour"); }), 438,
                QStringLiteral("Object doesn't support this property or method: 'Colour'"));
    ExpectError(CallFailure([&] { SetProperty(&subject, "Colour", 1); }), 438,
                QStringLiteral("Object doesn't support this property or method: 'Colour'"));
    EXPECT_TRUE(subject.dynamicPropertyNames().isEmpty());

    ExpectError(CallFailure([&] { Invoke(&subject, "Twice", {1, 2}); }), 450,
                QStringLiteral("Wrong number of arguments or invalid property assignment: 'Twice'"));
    ExpectError(CallFailure([&] { Invoke(&subject, "Twice"); }), 450,
                QStringLiteral("Wrong number of arguments or invalid property assignment: 'Twice'"));
    ExpectError(CallFailure([&] { SetProperty(&subject, "Count", 3); }), 450,
                QStringLiteral("Wrong number of arguments or invalid property assignment: 'Count'"));
    EXPECT_EQ(subject.Count(), 0);

    ExpectError(CallFailure([&] { Invoke(&subject, "Twice", {QStringLiteral("two")}); }), 13,
                QStringLiteral("Type mismatch: 'Twice'"));
    ExpectError(CallFailure([&] { SetProperty(&subject, "StopFlag", QStringLiteral("fast")); }), 13,
                QStringLiteral("Type mismatch: 'StopFlag'"));
    EXPECT_EQ(subject.StopFlag(), DispatchSubject::eStop);

    ExpectError(CallFailure([] { Invoke(nullptr, "Twice", {1}); }), 91,
                QStringLiteral("Object variable or With block variable not set: 'Twice'"));
}

TEST(Dispatch, FailureInsideAGuardedMemberReachesTheCallerIntact)
{
    DispatchSubject subject;
    const AutomationError error = CallFailure([&] { Invoke(&subject, "Raise", {1004, QStringLiteral("读取列表错误")}); });
    EXPECT_EQ(error.Number(), 1004);
    EXPECT_EQ(error.Description(), QStringLiteral("读取列表错误"));
    EXPECT_EQ(error.Source(), QStringLiteral("DispatchSubject"));
    EXPECT_EQ(error.HelpFile(), QStringLiteral("subject.hlp"));
    EXPECT_EQ(error.HelpContext(), 77);

    // Called directly, the same member throws as any C++ function does.
    EXPECT_EQ(CallFailure([&] { subject.Raise(3, QStringLiteral("direct")); }).Number(), 3);
    // After a failed call by name, a direct call is not mistaken for one.
    EXPECT_EQ(CallFailure([&] { subject.Raise(4, QStringLiteral("again")); }).Number(), 4);
    // A call by name that succeeds after one that failed returns its own result.
    EXPECT_EQ(Invoke(&subject, "Twice", {5}).toLongLong(), 10);
}

TEST(Dispatch, NestedCallsInsideAGuardedBody)
{
    DispatchSubject subject;
    // A direct call inside the body throws normally and is caught there.
    EXPECT_EQ(Invoke(&subject, "CatchDirect").toString(), QStringLiteral("caught 9 inner"));
    // A nested call by name fails to the body, whose own failure then reaches the caller.
    ExpectError(CallFailure([&] { Invoke(&subject, "FailAfterNestedInvoke"); }), 5,
                QStringLiteral("outer after 9"));
    EXPECT_EQ(Invoke(&subject, "NestedTwice", {20}).toLongLong(), 41);
    EXPECT_EQ(CallFailure([&] { subject.FailAfterNestedInvoke(); }).Number(), 5);
}

TEST(Dispatch, UnguardedMemberFailureStillArrivesAsAutomationError)
{
    DispatchSubject subject;
    ExpectError(CallFailure([&] { Invoke(&subject, "Unguarded"); }), 440, QStringLiteral("unguarded failure"));
    EXPECT_EQ(Invoke(&subject, "Twice", {1}).toLongLong(), 2);
}
