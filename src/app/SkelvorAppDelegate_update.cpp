// The element-set update: the age check and its question, the index page, and the loading of
// one category file per timer tick with progress and Cancel.
#include <QDir>
#include <cmath>

#include "IndexPage.h"
#include "SkelvorAppDelegate.h"

namespace {

constexpr double loading_tick = 0.01;  // seconds between two files
constexpr double seconds_per_day = 86400.0;
constexpr double missing_age_days = 10000.0;  // older than this: nothing was ever loaded

const QString read_error_title = QStringLiteral("Error reading TLE files");
const QString read_error_message = QStringLiteral(
    "An error has ocurred while trying to read the TLE files. Please re-start the application "
    "later on to pick up the latest TLE information");

QString progressText(int done, qsizetype total) {
    return QStringLiteral("%1 of %2").arg(done).arg(total);
}

}  // namespace

QUrl SkelvorAppDelegate::elementServerBase() const {
    return elementServer_.resolved(QUrl(QStringLiteral("NORAD/elements/")));
}

bool SkelvorAppDelegate::updateTLEsIfOldBy(double seconds) {
    const double age = std::fabs(now() - dateOfLastTLEUpdate_);
    if (!(age > seconds)) return true;
    if (hasWiFiConnection()) {
        const double days = std::trunc(age / seconds_per_day + 0.5);
        const QStringList answers{QStringLiteral("No"), QStringLiteral("Yes")};
        if (days > missing_age_days) {
            alertDisplay_ = makeAlert(QStringLiteral("No TLE Files"),
                                      QStringLiteral("No TLE information appears to be loaded. Do "
                                                     "you want to download the initial set of "
                                                     "files?"),
                                      answers);
        } else {
            const QString message =
                QStringLiteral(
                    "The current TLE files are %1 day%2 old. Do you want to update "
                    "these files now?")
                    .arg(static_cast<qint64>(days))
                    .arg(days == 1.0 ? QString() : QStringLiteral("s"));
            alertDisplay_ = makeAlert(QStringLiteral("TLE Files Out of Date"), message, answers);
        }
    } else {
        alertDisplay_ = makeAlert(QStringLiteral("No network connectivity"),
                                  QStringLiteral("The current TLE files are out of date. When you "
                                                 "are connected, please run this program again "
                                                 "to update them."),
                                  {QStringLiteral("OK")});
    }
    if (alertDisplay_) alertDisplay_->show();
    return true;
}

bool SkelvorAppDelegate::hasWiFiConnection() const { return reachability_(elementServer_); }

void SkelvorAppDelegate::alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) {
    // A box may be released while it reports its press.
    if (&alertView == alertDisplay_.get()) {
        alertDisplay_.reset();
        if (buttonIndex == 1) {
            updateTLEs();
        } else {
            showLocationBox();
        }
    } else if (&alertView == progressActionView_.get()) {
        categoryIndex_ = -1;
        progressActionView_.reset();
        showLocationBox();
    } else if (&alertView == errorView_.get()) {
        errorView_.reset();
    }
}

void SkelvorAppDelegate::updateTLEs() {
    networkActivityIndicatorVisible_ = true;
    const std::optional<QString> page = fetchText(elementServerBase(), fetchDeadlines_);
    // A page without links to element-set files is as good as no page.
    QMap<QString, QString> categories = page ? readIndexPage(*page) : QMap<QString, QString>();
    if (categories.isEmpty()) {
        networkActivityIndicatorVisible_ = false;
        showReadError();
        return;
    }
    tleCategories_ = std::move(categories);
    tleCategoryNames_ = tleCategories_.keys();
    categoryIndex_ = 0;
    progressActionView_ =
        makeAlert(QStringLiteral("Loading TLE files"), progressText(1, tleCategoryNames_.size()),
                  {QStringLiteral("Cancel")});
    if (progressActionView_) progressActionView_->show();
    scheduleLoadingTick();
}

void SkelvorAppDelegate::loadTLEFile() {
    if (categoryIndex_ == -1) {
        tleCategoryNames_.clear();
        tleCategories_.clear();
        categoryIndex_ = 0;
        showLocationBox();
        networkActivityIndicatorVisible_ = false;
        return;
    }
    if (categoryIndex_ >= tleCategoryNames_.size()) {
        finishLoading();
        return;
    }
    const QString name = tleCategoryNames_.at(categoryIndex_++);
    const QString fileName = tleCategories_.value(name);
    const std::optional<QString> text =
        fetchText(elementServerBase().resolved(QUrl(fileName)), fetchDeadlines_, TextKind::plain);
    if (!text) {
        // The server wants clients to stop at any failure: what is merged stays merged, the
        // date of the last update stays, and the user is told.
        if (progressActionView_) progressActionView_->dismissWithClickedButtonIndex(0);
        progressActionView_.reset();
        tleCategoryNames_.clear();
        tleCategories_.clear();
        categoryIndex_ = 0;
        networkActivityIndicatorVisible_ = false;
        showReadError();
        return;
    }
    mergeTLEFile(text, name, fileName);
    if (progressActionView_) {
        progressActionView_->setMessage(progressText(categoryIndex_, tleCategoryNames_.size()));
    }
    scheduleLoadingTick();
}

void SkelvorAppDelegate::finishLoading() {
    dateOfLastTLEUpdate_ = now();
    setPreferencesAltered(true);
    networkActivityIndicatorVisible_ = false;
    if (progressActionView_) progressActionView_->dismissWithClickedButtonIndex(0);
    progressActionView_.reset();
    showLocationBox();
    tleCategoryNames_.clear();
    tleCategories_.clear();
}

void SkelvorAppDelegate::scheduleLoadingTick() {
    tleLoadingTimer_ = Timer::scheduledTimer(loading_tick, [this] { loadTLEFile(); });
}

// The error box closes with its one button.
void SkelvorAppDelegate::showReadError() {
    errorView_ = makeAlert(read_error_title, read_error_message, {QStringLiteral("OK")});
    if (errorView_) errorView_->show();
}
