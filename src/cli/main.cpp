#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "Commands.h"
#include "SkelvorAppDelegate.h"
#include "Translations.h"

namespace {

// Writes the bytes as they are, a NUL byte in a name included; false when they did not all
// reach the stream, such as on a full device.
bool writeAll(std::FILE* stream, const QByteArray& bytes) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skelvor"));
    installTranslations(QLocale::system().uiLanguages());
    SkelvorAppDelegate appDelegate;
    appDelegate.setDataDirectory(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QString out;
    QString err;
    bool liveWritten = true;
    const int code = runCli(
        application.arguments().mid(1), out, err, appDelegate, [&liveWritten](const QString& line) {
            liveWritten = writeAll(stdout, (line + u'\n').toUtf8()) && liveWritten;
        });
    const bool written = writeAll(stdout, out.toUtf8()) && liveWritten;
    const int writeError = errno;
    if (!written) {
        err += QCoreApplication::translate("skelvor-cli",
                                           "skelvor-cli: cannot write the answers: %1\n")
                   .arg(QString::fromLocal8Bit(std::strerror(writeError)));
    }
    writeAll(stderr, err.toUtf8());
    return written ? code : 1;
}
