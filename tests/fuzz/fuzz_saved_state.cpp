// Arbitrary bytes as the saved-state file, loaded as at launch, and the loaded state copied and
// encoded again as the next save would. Nothing may crash, hang or touch memory it does not
// own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "SkelvorAppDelegate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir directory;
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(directory.path());
    appDelegate.setClock([] { return Date(850000000.0); });
    {
        QFile file(directory.filePath(QStringLiteral("Library/Preferences/currentState")));
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !file.open(QIODevice::WriteOnly)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    appDelegate.loadSavedState();
    static_cast<void>(appDelegate.savedState().toCbor());
    return 0;
}
