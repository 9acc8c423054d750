// Arbitrary text merged as an element-set file into two categories, then again into the first,
// so that both the creation of satellites and their update in place see it. Nothing may crash,
// hang or touch memory it does not own.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "SkelvorAppDelegate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SkelvorAppDelegate appDelegate;
    appDelegate.setClock([] { return Date(850000000.0); });

    const QString first = QStringLiteral("First");
    appDelegate.mergeTLEFile(text, first, QStringLiteral("first.txt"));
    appDelegate.mergeTLEFile(text, QStringLiteral("Second"), QStringLiteral("second.txt"));
    appDelegate.mergeTLEFile(text, first, QStringLiteral("first.txt"));
    for (const auto& satellite : appDelegate.knownSatellites().value(first)) {
        appDelegate.toggleSatelliteSelected(satellite->commonName());
    }
    return 0;
}
