// Arbitrary text read as element sets: the first three lines go to satellite creation, which
// then predicts at, before and after the epoch; the whole text goes through the element-file
// reader of the command line. Nothing may crash, hang or touch memory it does not own.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "CatalogNumber.h"
#include "ElementFile.h"
#include "SatelliteData.h"
#include "SkelvorAppDelegate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SkelvorAppDelegate appDelegate;
    appDelegate.setClock([] { return Date(850000000.0); });
    appDelegate.setObserver_geodetic({0.9, -0.1, 0.05, 0.0});

    const QStringList lines = text.split(u'\n');
    if (lines.size() >= 3) {
        auto satellite = SatelliteData::createSatellite(
            &appDelegate, lines[0], QStringLiteral("fuzz"), readCatalogNumber(lines[1]), lines[0],
            lines[1], lines[2]);
        if (satellite) {
            const Date epoch = satellite->keplerDate().value_or(Date());
            for (const double minutes : {-1440.0, 90.0, 20000.0}) {
                satellite->predictLocationAt(epoch + minutes * 60.0);
            }
            satellite->predictLocationAt();
            satellite->processTLE(lines[0], lines[2], lines[1]);
        }
    }
    readElementSets(text, &appDelegate);
    return 0;
}
