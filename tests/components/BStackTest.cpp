#include "components/core/BStack.h"

#include <gtest/gtest.h>

TEST(BStack, GivesStringsBackInReverseOrder) {
    BStack stack;
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.pop(), QString());
    EXPECT_TRUE(stack.empty());

    for (const char* name : {"1.tmp", "2.tmp", "3.tmp"})
        stack.push(QString::fromLatin1(name));
    EXPECT_FALSE(stack.empty());
    EXPECT_EQ(stack.pop(), u"3.tmp");
    stack.push(QStringLiteral("4.tmp"));
    EXPECT_EQ(stack.pop(), u"4.tmp");
    EXPECT_EQ(stack.pop(), u"2.tmp");
    EXPECT_EQ(stack.pop(), u"1.tmp");
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(stack.pop(), QString());
}

TEST(BStack, KeepsCopiesAndFreesWhatIsLeft) {
    QString name = QStringLiteral("part");
    {
        BStack stack;
        stack.push(name);
        stack.push(QString());
        name += QStringLiteral(".001");
        EXPECT_EQ(stack.pop(), QString());
        EXPECT_FALSE(stack.empty()); // an empty string is still an entry
        EXPECT_EQ(stack.pop(), u"part");
        stack.push(name);
        stack.push(name);
    } // destroyed while holding two strings
    EXPECT_EQ(name, u"part.001");
}
