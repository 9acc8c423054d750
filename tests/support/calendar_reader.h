// Reads an iCalendar file back with an independent parser (Debian's python3-icalendar, through
// check_calendar.py, which also checks line ends, folding and UTC times): its events in file
// order as JSON objects with uid, start, end, summary and description. Programs using it define
// SKELVOR_PYTHON3 and SKELVOR_CALENDAR_CHECK.
#pragma once

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

inline bool canReadCalendars() { return QFileInfo(QStringLiteral(SKELVOR_PYTHON3)).isExecutable(); }

// Fails the test when the parser rejects the file.
inline QJsonArray calendarEvents(const QString& path) {
    constexpr int parser_ms = 30000;
    QProcess python;
    python.start(QStringLiteral(SKELVOR_PYTHON3), {QStringLiteral(SKELVOR_CALENDAR_CHECK), path});
    EXPECT_TRUE(python.waitForFinished(parser_ms));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}
