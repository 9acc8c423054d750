// Loading the category files of an update, one per timer tick: each document comes from the
// copy kept of it when it was fetched within two hours, else from the server once the request
// spacing allows, without ever waiting on the main thread. A document is read on the reader's
// thread and merged on the main thread; a group the server has dropped is noted and left out.
#include <QLocale>

#include "IndexPage.h"
#include "ServerAnswer.h"
#include "SkelvorAppDelegate.h"

namespace {

using namespace std::chrono_literals;

constexpr double loading_tick = 0.01;  // seconds between two files

QString dataSize(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

// Why a file that yielded no element set failed: its first rejected set, else what the
// server sent in its place (nothing for an empty file: the standard words then).
QString noUsableSet(const QString& category, const ElementSetText& sets, const QByteArray& bytes) {
    for (const ElementFileProblem& problem : sets.problems) {
        if (problem.kind != ElementFileProblem::Kind::rejectedSet) continue;
        return QCoreApplication::translate("SkelvorAppDelegate",
                                           "No element set of \"%1\" could be used (line %2: %3).")
            .arg(category)
            .arg(problem.lineNumber)
            .arg(problem.reason);
    }
    return serverWords(bytes);
}

// The bytes of the document on its way.
QString bytesText(qint64 received, qint64 total) {
    if (total > 0)
        return QCoreApplication::translate("SkelvorAppDelegate", "%1 of %2")
            .arg(dataSize(received), dataSize(total));
    return QCoreApplication::translate("SkelvorAppDelegate", "%1 received").arg(dataSize(received));
}

}  // namespace

// A query of a group page always asks for the CSV form, which alone carries catalogue numbers
// of six digits and more.
QUrl SkelvorAppDelegate::categoryFileAddress(const QString& fileName) const {
    if (!isGroupQuery(fileName)) return elementServerBase().resolved(QUrl(fileName));
    return elementServerBase().resolved(QUrl(QStringLiteral("gp.php?%1&FORMAT=csv").arg(fileName)));
}

DownloadLog& SkelvorAppDelegate::downloadLog() {
    if (!downloadLog_) downloadLog_.emplace(downloadTimesPath());
    return *downloadLog_;
}

DocumentCache& SkelvorAppDelegate::documentCache() {
    if (!documentCache_) documentCache_.emplace(documentCachePath());
    return *documentCache_;
}

void SkelvorAppDelegate::scheduleLoadingTick() {
    tleLoadingTimer_ = Timer::scheduledTimer(loading_tick, [this] { loadTLEFile(); });
}

void SkelvorAppDelegate::loadTLEFile() {
    if (updateState_ != UpdateState::loading) return;
    if (categoryIndex_ >= tleCategoryNames_.size()) return finishLoading();
    const QString name = tleCategoryNames_.at(categoryIndex_);
    const QString fileName = tleCategories_.value(name);
    obtainDocument(categoryFileAddress(fileName), TextKind::plain,
                   [this, name, fileName](const Document& document) {
                       categoryFileObtained(name, fileName, document);
                   });
}

// Two categories may name one document; the second takes the copy the first kept.
void SkelvorAppDelegate::obtainDocument(const QUrl& address, TextKind kind, DocumentUse use) {
    const Date time = now();
    if (std::optional<QByteArray> kept = documentCache().recent(address, time)) {
        return use({std::move(kept), false, {}});
    }
    if (downloadLog().isRecent(address, time)) return use({std::nullopt, true, {}});
    const std::chrono::milliseconds wait = requestSpacing_.waitBefore(address);
    if (wait > 0ms) {
        tleLoadingTimer_ = Timer::scheduledTimer(
            std::chrono::duration<double>(wait).count(),
            [this, address, kind, use] { obtainDocument(address, kind, use); });
        return;
    }
    fetch_ = std::make_unique<TextFetch>(
        address, fetchDeadlines_, kind, max_document_bytes,
        [this](qint64 received, qint64 total) { showProgress(bytesText(received, total)); },
        [this, address, use](const FetchResult& answer) { documentFetched(address, answer, use); });
}

// A document counts as fetched for the two-hour rule only together with what it brought: it is
// kept before it is noted in the log. Documents read locally are neither kept nor noted.
void SkelvorAppDelegate::documentFetched(const QUrl& address, const FetchResult& answer,
                                         const DocumentUse& use) {
    fetch_.reset();
    requestSpacing_.requestEnded(address);
    if (!answer.document || refusalOf(answer)) return use({std::nullopt, false, answer});
    if (isNetworkAddress(address)) {
        documentCache().store(address, now(), *answer.document);
        downloadLog().record(address, now());
    }
    use({answer.document, false, answer});
}

void SkelvorAppDelegate::categoryFileObtained(const QString& category, const QString& fileName,
                                              const Document& document) {
    if (document.lost) {
        tally_.incomplete = true;
        return nextCategoryFile();
    }
    if (!document.bytes) {
        if (isGroupQuery(fileName) && saysGroupDropped(document.answer)) {
            droppedGroups_.append(fileName);
            tally_.droppedCategories.append(category);
            tally_.unsaved = true;
            return nextCategoryFile();
        }
        return stopLoading(refusalOf(document.answer).value_or(QString()));
    }
    const QByteArray bytes = *document.bytes;
    const std::uint64_t run = updateRun_;
    reader_.run<ElementSetText>(
        [bytes] {
            const std::optional<QString> text = decodeUtf8(bytes);
            return text ? readElementSetText(*text) : ElementSetText();
        },
        [this, run, category, fileName, bytes](ElementSetText& sets) {
            if (run != updateRun_) return;
            if (sets.sets.empty()) return stopLoading(noUsableSet(category, sets, bytes));
            categoryFileRead(category, fileName, sets);
        });
}

void SkelvorAppDelegate::categoryFileRead(const QString& category, const QString& fileName,
                                          const ElementSetText& sets) {
    const MergeOutcome merged = mergeElementSets(sets, category, fileName);
    if (merged.refusedAsTooLarge) {
        return stopLoading(tr("The file of \"%1\" would make the catalogue hold more than %2 "
                              "satellites, far more than any real catalogue; it was not loaded.")
                               .arg(category)
                               .arg(max_catalogue_satellites));
    }
    tally_.unsaved = true;
    if (const qsizetype rejected = sets.rejectedSets()) {
        tally_.rejectedSets += rejected;
        tally_.rejectedFiles.append(category);
    }
    nextCategoryFile();
}

void SkelvorAppDelegate::nextCategoryFile() {
    ++categoryIndex_;
    showProgress();
    scheduleLoadingTick();
}

// While the index page is read, the box says so; then its first line counts the files done,
// from 1. A second line tells the bytes of a transfer on its way.
void SkelvorAppDelegate::showProgress(const QString& bytes) {
    if (!progressActionView_) return;
    const qsizetype done = std::max<qsizetype>(categoryIndex_, 1);
    QString message = updateState_ == UpdateState::loading
                          ? tr("%1 of %2").arg(done).arg(tleCategoryNames_.size())
                          : tr("Reading the list of files");
    if (!bytes.isEmpty()) message += u'\n' + bytes;
    progressActionView_->setMessage(message);
}
