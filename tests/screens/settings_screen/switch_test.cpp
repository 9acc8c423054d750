// The on/off switch: which changes reach its action.
#include "Switch.h"

#include <gtest/gtest.h>

#include <QTest>

TEST(Switch, CallsItsActionWhenTheUserFlipsItButNotWhenSetFromTheProgram) {
    Switch control;
    control.setTexts(QStringLiteral("UTC"), QStringLiteral("Local"));
    std::vector<bool> flips;
    control.setAction([&](bool on) { flips.push_back(on); });
    control.setOn(true);
    EXPECT_TRUE(flips.empty());
    EXPECT_EQ(control.text(), QStringLiteral("UTC"));
    control.show();
    QTest::mouseClick(&control, Qt::LeftButton);
    QTest::keyClick(&control, Qt::Key_Space);
    EXPECT_EQ(flips, (std::vector<bool>{false, true}));
    EXPECT_TRUE(control.isOn());
}
