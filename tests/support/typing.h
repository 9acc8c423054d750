// Typing into a text field as the user does in a screen test: the field takes the focus, its
// text is selected and replaced, and Return ends the editing and leaves the field.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "TextField.h"

inline void typeInto(TextField* field, const QString& text) {
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(field->hasFocus());
}
