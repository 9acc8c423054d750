#include "SkelvorAppDelegate.h"

#include <QDir>

namespace {

SkelvorAppDelegate* running = nullptr;

}  // namespace

SkelvorAppDelegate::SkelvorAppDelegate() : previous_(running) { running = this; }

SkelvorAppDelegate::~SkelvorAppDelegate() {
    waitForPendingSaves();
    if (running == this) running = previous_;
}

SkelvorAppDelegate* SkelvorAppDelegate::shared() { return running; }

QString SkelvorAppDelegate::stateFilePath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/currentState"));
}

QString SkelvorAppDelegate::documentCachePath() const {
    if (cacheDirectory_.isEmpty()) return {};
    return QDir(cacheDirectory_).filePath(QStringLiteral("documents"));
}

void SkelvorAppDelegate::later(std::function<void()> action) {
    QMetaObject::invokeMethod(&callbacks_, std::move(action), Qt::QueuedConnection);
}

QString SkelvorAppDelegate::downloadTimesPath() const {
    if (dataDirectory_.isEmpty()) return {};
    return QDir(dataDirectory_).filePath(QStringLiteral("Library/Preferences/downloadTimes"));
}
