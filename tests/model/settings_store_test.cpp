#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>
#include <ctime>

#include "SettingsStore.h"

TEST(SettingsStore, ClockTimesFollowTheUtcSetting) {
    const QByteArray previous = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    qputenv("TZ", "Asia/Kolkata");  // UTC+5:30 all year
    tzset();
    SettingsStore store;
    const Date instant =
        Date::fromQDateTime(QDateTime(QDate(2024, 3, 9), QTime(22, 34, 56), QTimeZone::utc()));
    store.setUseUTC(true);
    EXPECT_EQ(store.formatTime(instant, QStringLiteral("dd-MMM HH:mm:ss")), u"09-Mar 22:34:56");
    store.setUseUTC(false);  // read again at each call
    EXPECT_EQ(store.formatTime(instant, QStringLiteral("dd-MMM HH:mm:ss")), u"10-Mar 04:04:56");
    hadZone ? qputenv("TZ", previous) : qunsetenv("TZ");
    tzset();
}
