// Waiting on the event loop for a condition in a GoogleTest program. Qt Test's QTRY_ macros
// report a timeout to Qt Test, which GoogleTest does not hear: the test would go on as passed.
// These report to GoogleTest.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

// Runs the event loop until the condition holds, at most the milliseconds given.
#define ASSERT_SOON(condition, milliseconds)                                                 \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, milliseconds)) \
        << "still false after " << (milliseconds) << " ms: " #condition
#define EXPECT_SOON(condition, milliseconds)                                                 \
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, milliseconds)) \
        << "still false after " << (milliseconds) << " ms: " #condition
