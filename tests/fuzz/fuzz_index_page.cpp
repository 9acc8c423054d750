// Arbitrary text read as the element-set server's index page: nothing may crash or hang, and
// every category found names a ".txt" file or a group query.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "IndexPage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString page =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QMap<QString, QString> categories = readIndexPage(page);
    for (const QString& file : categories) {
        if (!file.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) && !isGroupQuery(file)) {
            std::abort();
        }
    }
    return 0;
}
