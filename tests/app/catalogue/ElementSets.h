// Element-set text for the catalogue tests: one made-up low orbit whose name, catalogue number
// and epoch day can be chosen, so that loads can be told apart.
#pragma once

#include <QString>
#include <QStringList>

#include "checksummed_lines.h"

namespace test {

inline QString elementSet(const QString& nameLine, const QString& number,
                          const QString& epoch = QStringLiteral("26340.50000000")) {
    QString line1 =
        QStringLiteral("1 99001U 98067A   26340.50000000  .00012000  00000-0  21000-3 0  9998");
    QString line2 =
        QStringLiteral("2 99001  51.6400 120.0000 0006000  80.0000 280.0000 15.50000000300019");
    line1.replace(2, 5, number).replace(18, 14, epoch);
    line2.replace(2, 5, number);
    return nameLine + u'\n' + withChecksum(line1) + u'\n' + withChecksum(line2) + u'\n';
}

}  // namespace test
