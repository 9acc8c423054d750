#include "CalendarExport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

#include "PassListing.h"
#include "SkelvorAppDelegate.h"

namespace {

const QKeySequence exportKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_E);

// The save dialog of the desktop, in the user's documents folder.
QString askForFile(QWidget* parent, const QString& suggestedName) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return QFileDialog::getSaveFileName(parent, CalendarExport::tr("Export to Calendar"),
                                        documents.filePath(suggestedName),
                                        CalendarExport::tr("iCalendar (*.ics)"));
}

// A satellite's name may hold characters no file name may (a slash) or that some desktops
// refuse; each becomes an underscore.
QString safeFileName(QString name) {
    for (QChar& character : name) {
        if (character.category() == QChar::Other_Control ||
            QStringLiteral("/\\:*?\"<>|").contains(character)) {
            character = u'_';
        }
    }
    return name;
}

// The whole file or, on any failure, none: the old file stays as it was.
bool writeWhole(QSaveFile& file, const QByteArray& bytes) {
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

CalendarExport::CalendarExport(std::function<Content()> content)
    : content_(std::move(content)), choice_(&askForFile) {}

QWidget* CalendarExport::frame(QWidget* content) {
    auto* view = new QWidget;
    view->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content, 1);
    button_ = new QPushButton(tr("Export to Calendar…"));
    button_->setAccessibleName(tr("Export to Calendar"));
    button_->setToolTip(tr("Save these passes as an iCalendar file (%1)")
                            .arg(exportKeys.toString(QKeySequence::NativeText)));
    QObject::connect(button_, &QPushButton::clicked, view, [this] { run(); });
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 6, 8, 6);
    row->addStretch(1);
    row->addWidget(button_);
    layout->addLayout(row);
    // Only the shown screen's shortcut is live: a hidden view's actions are not.
    auto* shortcut = new QAction(view);
    shortcut->setShortcut(exportKeys);
    shortcut->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QAction::triggered, view, [this] { run(); });
    view->addAction(shortcut);
    return view;
}

bool CalendarExport::run() {
    SkelvorAppDelegate* appDelegate = SkelvorAppDelegate::shared();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Content content = content_();
    QGuiApplication::restoreOverrideCursor();
    if (content.passes.empty()) {
        appDelegate->tell(tr("Nothing to Export"), content.nothingToExport);
        return false;
    }
    const QString path =
        choice_(button_ ? button_->window() : nullptr, safeFileName(content.fileName));
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (writeWhole(file, passCalendar(content.passes, appDelegate->now()).toUtf8())) return true;
    appDelegate->tell(tr("Calendar Not Saved"),
                      tr("The passes could not be written to %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

std::vector<CalendarPass> CalendarExport::futurePasses(
    const std::vector<std::shared_ptr<SatelliteData>>& satellites) {
    const SkelvorAppDelegate* appDelegate = SkelvorAppDelegate::shared();
    const Date now = appDelegate->now();
    const std::int32_t minimum = appDelegate->minimumPathElevation();
    return calendarPasses(satellites, now,
                          now + futurePassSpan(appDelegate->passTimetableDuration()), minimum,
                          appDelegate->watchSettings().conditions(static_cast<double>(minimum)));
}

int CalendarExport::futureDays() {
    return static_cast<int>(
        std::lround(futurePassSpan(SkelvorAppDelegate::shared()->passTimetableDuration()) /
                    Date::seconds_per_day));
}
