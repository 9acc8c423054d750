// The element-set update: the age check and its question, the index page, and the ends of the
// loading (all done, cancelled, stopped). The server's rules hold throughout: no document twice
// within two hours, requests a second apart, and a stop at the first refusal or failure. What
// an update merged is saved however it ends.
#include <QPointer>
#include <cmath>

#include "IndexPage.h"
#include "ServerAnswer.h"
#include "SkelvorAppDelegate.h"
#include "StationControl.h"

namespace {

constexpr double missing_age_days = 10000.0;  // older than this: nothing was ever loaded

const char* const read_error_title =
    QT_TRANSLATE_NOOP("SkelvorAppDelegate", "Error reading TLE files");
const char* const read_error_message = QT_TRANSLATE_NOOP(
    "SkelvorAppDelegate",
    "An error has occurred while trying to read the TLE files. Please re-start the application "
    "later on to pick up the latest TLE information");
const char* const progress_title = QT_TRANSLATE_NOOP("SkelvorAppDelegate", "Loading TLE files");
const char* const lost_index = QT_TRANSLATE_NOOP(
    "SkelvorAppDelegate",
    "The list of element-set files was fetched less than two hours ago, but the copy kept of it "
    "is gone, and the server does not send it again so soon. Please update again in two hours.");

}  // namespace

QUrl SkelvorAppDelegate::elementServerBase() const {
    return elementServer_.resolved(QUrl(QStringLiteral("NORAD/elements/")));
}

bool SkelvorAppDelegate::updateTLEsIfOldBy(double seconds) {
    // Once the server has stopped an update, only the user starts the next one.
    if (updateState_ != UpdateState::idle) return true;
    const double age = std::fabs(now() - dateOfLastTLEUpdate_);
    if (!(age > seconds)) return true;
    updateState_ = UpdateState::checking;
    const std::uint64_t run = updateRun_;
    reachability_(elementServer_, [this, alive = QPointer(&callbacks_), run, age](bool reachable) {
        if (!alive || run != updateRun_ || updateState_ != UpdateState::checking) return;
        askToUpdate(age, reachable);
    });
    return true;
}

void SkelvorAppDelegate::askToUpdate(double age, bool reachable) {
    updateState_ = UpdateState::asking;
    if (!reachable) {
        alertDisplay_ = makeAlert(tr("No network connectivity"),
                                  tr("The current TLE files are out of date. When you "
                                     "are connected, please run this program again "
                                     "to update them."),
                                  {tr("OK")});
    } else if (const double days = std::trunc(age / Date::seconds_per_day + 0.5);
               days > missing_age_days) {
        alertDisplay_ = makeAlert(tr("No TLE Files"),
                                  tr("No TLE information appears to be loaded. Do you "
                                     "want to download the initial set of files?"),
                                  {tr("No"), tr("Yes")});
    } else {
        const QString message =
            tr("The current TLE files are %n day(s) old. Do you want to update these files now?",
               nullptr, static_cast<int>(days));
        alertDisplay_ = makeAlert(tr("TLE Files Out of Date"), message, {tr("No"), tr("Yes")});
    }
    if (alertDisplay_) alertDisplay_->show();
}

void SkelvorAppDelegate::alertViewClickedButtonAtIndex(AlertView& alertView, int buttonIndex) {
    // A box may be released while it reports its press.
    if (&alertView == alertDisplay_.get()) {
        const bool yes = alertDisplay_->buttons().size() == 2 && buttonIndex == 1;
        alertDisplay_.reset();
        updateState_ = UpdateState::idle;
        if (yes) return updateTLEs();
        showLocationBox();
    } else if (&alertView == progressActionView_.get()) {
        cancelLoading();
    } else if (&alertView == errorView_.get()) {
        errorView_.reset();
    } else if (&alertView == positionQuestionView_.get()) {
        positionQuestionAnswered(buttonIndex);
    } else if (&alertView == saveFailureView_.get()) {
        saveFailureView_.reset();  // told: not again until a save has succeeded
    } else {
        std::erase_if(notices_, [&](const auto& notice) { return notice.get() == &alertView; });
    }
}

void SkelvorAppDelegate::updateTLEs() {
    if (updateState_ == UpdateState::readingIndex || updateState_ == UpdateState::loading) return;
    ++updateRun_;
    updateState_ = UpdateState::readingIndex;
    tally_ = {};
    networkActivityIndicatorVisible_ = true;
    documentCache().removeStale(now());
    progressActionView_ = makeAlert(tr(progress_title), {}, {tr("Cancel")});
    showProgress();
    if (progressActionView_) progressActionView_->show();
    readIndex();
}

void SkelvorAppDelegate::updateTLEsNow() {
    if (updateState_ == UpdateState::readingIndex || updateState_ == UpdateState::loading) return;
    // The launch's question or notice goes; its answer is this update.
    if (const std::unique_ptr<AlertView> question = std::move(alertDisplay_)) {
        if (question->isVisible()) question->dismissWithClickedButtonIndex(0);
    }
    updateState_ = UpdateState::idle;
    updateTLEs();
}

// The categories come from the index page, fetched or kept from within two hours; when its copy
// is gone, from the page read last.
void SkelvorAppDelegate::readIndex() {
    obtainDocument(elementServerBase(), TextKind::any, [this](const Document& document) {
        if (document.lost) {
            if (serverCategories_.isEmpty()) return stopLoading(tr(lost_index));
            return indexRead(serverCategories_);
        }
        if (!document.bytes) return stopLoading(refusalOf(document.answer).value_or(QString()));
        const QByteArray page = *document.bytes;
        const std::uint64_t run = updateRun_;
        reader_.run<QMap<QString, QString>>(
            [page] {
                const std::optional<QString> text = decodeUtf8(page);
                return text ? readIndexPage(*text) : QMap<QString, QString>();
            },
            [this, run](QMap<QString, QString>& categories) {
                if (run != updateRun_) return;
                // A page without links to element-set files is as good as no page.
                if (categories.isEmpty()) return stopLoading({});
                indexRead(categories);
            });
    });
}

// The categories of the page are remembered for the choice of categories; the update loads the
// chosen ones whose groups the server still has.
void SkelvorAppDelegate::indexRead(const QMap<QString, QString>& categories) {
    serverCategories_ = categories;
    const QList<QString> files = categories.values();
    droppedGroups_.removeIf([&](const QString& file) { return !files.contains(file); });
    tleCategories_.clear();
    for (auto category = categories.cbegin(); category != categories.cend(); ++category) {
        if (isChosenForUpdate(category.key()) && !droppedGroups_.contains(category.value())) {
            tleCategories_.insert(category.key(), category.value());
        }
    }
    tleCategoryNames_ = tleCategories_.keys();
    categoryIndex_ = 0;
    updateState_ = UpdateState::loading;
    showProgress();
    scheduleLoadingTick();
}

void SkelvorAppDelegate::cancelLoading() {
    endLoading(UpdateState::idle);
    showLocationBox();
}

// The server wants clients to stop at any failure: what is merged stays merged and is saved,
// the date of the last update stays, and the user is told in the server's words when it gave
// some, else in the standard ones.
void SkelvorAppDelegate::stopLoading(const QString& message) {
    endLoading(UpdateState::stopped);
    errorView_ = makeAlert(tr(read_error_title),
                           message.isEmpty() ? tr(read_error_message) : message, {tr("OK")});
    if (errorView_) errorView_->show();
}

// The date of the last update is set only when every chosen document was merged.
void SkelvorAppDelegate::finishLoading() {
    if (!tally_.incomplete) dateOfLastTLEUpdate_ = now();
    tally_.unsaved = true;
    endLoading(UpdateState::idle);
    showLocationBox();
    station().elementSetsUpdated();
}

void SkelvorAppDelegate::endLoading(UpdateState next) {
    ++updateRun_;
    fetch_.reset();
    tleLoadingTimer_.reset();
    if (progressActionView_ && progressActionView_->isVisible()) {
        progressActionView_->dismissWithClickedButtonIndex(0);
    }
    progressActionView_.reset();
    tleCategories_.clear();
    tleCategoryNames_.clear();
    categoryIndex_ = 0;
    updateState_ = next;
    networkActivityIndicatorVisible_ = false;
    if (tally_.unsaved) setPreferencesAltered(true);
    tellWhatWasLeftOut();
    tally_ = {};
}

void SkelvorAppDelegate::tellWhatWasLeftOut() {
    if (!tally_.droppedCategories.isEmpty()) {
        tell(tr("Categories Dropped by the Server"),
             tr("The element-set server no longer has data for %1. Later updates "
                "leave them out.")
                 .arg(tally_.droppedCategories.join(QStringLiteral(", "))));
    }
    if (tally_.rejectedSets > 0) {
        tell(tr("Element Sets Left Out"),
             tr("%1 element sets in %2 could not be used (a wrong checksum, or values "
                "that no orbit has) and were left out. The satellites they name keep "
                "their previous elements.")
                 .arg(tally_.rejectedSets)
                 .arg(tally_.rejectedFiles.join(QStringLiteral(", "))));
    }
    if (tally_.incomplete) {
        tell(tr("TLE Files Not Updated"),
             tr("Some element-set files were fetched less than two hours ago, but the "
                "copies kept of them are gone, and the server does not send them "
                "again so soon. Please update again in two hours."));
    }
}

void SkelvorAppDelegate::applicationWillTerminate() {
    if (updateState_ == UpdateState::readingIndex || updateState_ == UpdateState::loading) {
        endLoading(UpdateState::idle);
    }
    waitForPendingSaves();
}
