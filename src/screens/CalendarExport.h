// A screen's passes as an iCalendar file: the button "Export to Calendar…" below the screen's
// list, and Ctrl+Shift+E while the screen is shown. The user chooses the file in a save dialog
// (tests put their own choice in its place); the file is written whole or not at all. An export
// without passes writes nothing and says why; a failed write is told in a box.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <functional>
#include <memory>
#include <vector>

#include "PassCalendar.h"

class QWidget;
class SatelliteData;

class CalendarExport {
    Q_DECLARE_TR_FUNCTIONS(CalendarExport)

public:
    // What the screen exports when asked: its passes, the file name to suggest, and what to
    // tell when there are none.
    struct Content {
        std::vector<CalendarPass> passes;
        QString fileName;
        QString nothingToExport;
    };
    // Where to write, the suggested name offered; an empty answer: the user cancelled.
    using FileChoice = std::function<QString(QWidget* parent, const QString& suggestedName)>;

    explicit CalendarExport(std::function<Content()> content);

    // The screen's view: the content above a row with the button, the shortcut on it.
    QWidget* frame(QWidget* content);
    void setFileChoice(FileChoice choice) { choice_ = std::move(choice); }
    QPushButton* button() const { return button_; }

    // Gathers the passes, asks for the file and writes it; true when it was written.
    bool run();

    // The future passes of the satellites, over the span the details list them for, with
    // their visibility under the settings.
    static std::vector<CalendarPass> futurePasses(
        const std::vector<std::shared_ptr<SatelliteData>>& satellites);
    // That span in whole days, for telling it.
    static int futureDays();

private:
    std::function<Content()> content_;
    FileChoice choice_;
    QPointer<QPushButton> button_;
};
