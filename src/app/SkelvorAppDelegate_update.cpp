// The element-set update: the age check and its question, the index page, and the loading of
// one category file per timer tick with progress and Cancel. The server's rules hold
// throughout: no document twice within two hours, requests a second apart, and a stop at the
// first refusal or failure.
#include <QDir>
#include <cmath>

#include "CsvElementSet.h"
#include "HtmlText.h"
#include "IndexPage.h"
#include "SkelvorAppDelegate.h"

namespace {

using namespace std::chrono_literals;

constexpr double loading_tick = 0.01;         // seconds between two files
constexpr double missing_age_days = 10000.0;  // older than this: nothing was ever loaded
constexpr qsizetype longest_refusal = 300;    // characters of the server's text shown

const QString read_error_title = QStringLiteral("Error reading TLE files");
const QString read_error_message = QStringLiteral(
    "An error has ocurred while trying to read the TLE files. Please re-start the application "
    "later on to pick up the latest TLE information");

QString progressText(int done, qsizetype total) {
    return QStringLiteral("%1 of %2").arg(done).arg(total);
}

// The server's answer to a download repeated too soon; some servers send it with status 200.
bool saysNotUpdated(const QString& text) {
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QStringView firstLine =
        lineEnd < 0 ? QStringView(text) : QStringView(text).first(lineEnd);
    return !isCsvElementHeader(firstLine) &&
           text.contains(QStringLiteral("has not updated"), Qt::CaseInsensitive);
}

// What the server said, as a person reads it, cut to a length that fits an alert box.
QString serverWords(const QString& body) {
    QString words = visibleText(htmlTokens(body));
    if (words.size() <= longest_refusal) return words;
    words.truncate(longest_refusal - 1);
    if (words.back().isHighSurrogate()) words.chop(1);
    return words + u'\u2026';
}

}  // namespace

QUrl SkelvorAppDelegate::elementServerBase() const {
    return elementServer_.resolved(QUrl(QStringLiteral("NORAD/elements/")));
}

// A query of a group page always asks for the CSV form, which alone carries catalogue numbers
// of six digits and more.
QUrl SkelvorAppDelegate::categoryFileAddress(const QString& fileName) const {
    if (!isGroupQuery(fileName)) return elementServerBase().resolved(QUrl(fileName));
    return elementServerBase().resolved(QUrl(QStringLiteral("gp.php?%1&FORMAT=csv").arg(fileName)));
}

bool SkelvorAppDelegate::updateTLEsIfOldBy(double seconds) {
    // Once the server has stopped an update, only the user starts the next one.
    if (updateState_ != UpdateState::idle) return true;
    const double age = std::fabs(now() - dateOfLastTLEUpdate_);
    if (!(age > seconds)) return true;
    if (hasWiFiConnection()) {
        const double days = std::trunc(age / Date::seconds_per_day + 0.5);
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
    updateState_ = UpdateState::running;
    networkActivityIndicatorVisible_ = true;
    readIndex();
}

// The categories come from the index page, or from the log when the page was downloaded
// within two hours.
void SkelvorAppDelegate::readIndex() {
    if (updateState_ != UpdateState::running) return;
    const QUrl address = elementServerBase();
    std::optional<QMap<QString, QString>> categories =
        downloadLog().recentCategories(address, now());
    if (!categories) {
        if (waitForRequestSpacing(address, [this] { readIndex(); })) return;
        QString refusal;
        const std::optional<QString> page = download(address, TextKind::any, refusal);
        // A page without links to element-set files is as good as no page.
        categories = page ? readIndexPage(*page) : QMap<QString, QString>();
        if (categories->isEmpty()) return stopLoading(refusal);
        downloadLog().record(address, now(), *categories);
    }
    tleCategories_ = std::move(*categories);
    tleCategoryNames_ = tleCategories_.keys();
    categoryIndex_ = 0;
    progressActionView_ =
        makeAlert(QStringLiteral("Loading TLE files"), progressText(1, tleCategoryNames_.size()),
                  {QStringLiteral("Cancel")});
    if (progressActionView_) progressActionView_->show();
    scheduleLoadingTick();
}

void SkelvorAppDelegate::loadTLEFile() {
    if (updateState_ != UpdateState::running) return;
    if (categoryIndex_ == -1) {
        tleCategoryNames_.clear();
        tleCategories_.clear();
        categoryIndex_ = 0;
        updateState_ = UpdateState::idle;
        showLocationBox();
        networkActivityIndicatorVisible_ = false;
        return;
    }
    if (categoryIndex_ >= tleCategoryNames_.size()) return finishLoading();
    const QString name = tleCategoryNames_.at(categoryIndex_);
    const QString fileName = tleCategories_.value(name);
    const QUrl address = categoryFileAddress(fileName);
    if (downloadLog().isRecent(address, now())) {
        mergeTLEFile(std::nullopt, name, fileName);  // the category is there all the same
    } else {
        if (waitForRequestSpacing(address, [this] { loadTLEFile(); })) return;
        QString refusal;
        const std::optional<QString> text = download(address, TextKind::plain, refusal);
        // The server wants clients to stop at any failure: what is merged stays merged, the
        // date of the last update stays, and the user is told.
        if (!text) return stopLoading(refusal);
        downloadLog().record(address, now());
        mergeTLEFile(text, name, fileName);
    }
    ++categoryIndex_;
    if (progressActionView_) {
        progressActionView_->setMessage(progressText(categoryIndex_, tleCategoryNames_.size()));
    }
    scheduleLoadingTick();
}

// The document's text; none when the fetch failed or the server refused, with what the server
// said in refusal when it answered with a status other than 200 or that its data have not
// changed.
std::optional<QString> SkelvorAppDelegate::download(const QUrl& address, TextKind kind,
                                                    QString& refusal) {
    ServerAnswer answer;
    const std::optional<QString> text = fetchText(address, fetchDeadlines_, kind, &answer);
    requestSpacing_.requestEnded(address);
    const QString& said = text ? *text : answer.body;
    if ((answer.status != 0 && answer.status != 200) || saysNotUpdated(said)) {
        refusal = serverWords(said);
        return std::nullopt;
    }
    return text;
}

// Schedules the retry for when the server may be asked again; false when it may be now.
bool SkelvorAppDelegate::waitForRequestSpacing(const QUrl& address, std::function<void()> retry) {
    const std::chrono::milliseconds wait = requestSpacing_.waitBefore(address);
    if (wait <= 0ms) return false;
    tleLoadingTimer_ =
        Timer::scheduledTimer(std::chrono::duration<double>(wait).count(), std::move(retry));
    return true;
}

DownloadLog& SkelvorAppDelegate::downloadLog() {
    if (!downloadLog_) downloadLog_.emplace(downloadTimesPath());
    return *downloadLog_;
}

void SkelvorAppDelegate::stopLoading(const QString& refusal) {
    if (progressActionView_) progressActionView_->dismissWithClickedButtonIndex(0);
    progressActionView_.reset();
    tleCategoryNames_.clear();
    tleCategories_.clear();
    categoryIndex_ = 0;
    updateState_ = UpdateState::stopped;
    networkActivityIndicatorVisible_ = false;
    showReadError(refusal);
}

void SkelvorAppDelegate::finishLoading() {
    dateOfLastTLEUpdate_ = now();
    setPreferencesAltered(true);
    updateState_ = UpdateState::idle;
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

// The error box closes with its one button. It shows the server's own words when it refused.
void SkelvorAppDelegate::showReadError(const QString& refusal) {
    errorView_ = makeAlert(read_error_title, refusal.isEmpty() ? read_error_message : refusal,
                           {QStringLiteral("OK")});
    if (errorView_) errorView_->show();
}
