#include "ImportMark.h"

#include <QCoreApplication>

QString importMark(const FrequencyRecord& record) {
    if (!record.imported) return QString();
    return record.isUntouchedImport()
               ? QCoreApplication::translate("ImportMark", "Imported")
               : QCoreApplication::translate("ImportMark", "Imported, changed by you");
}

QString importNote(const FrequencyRecord& record) {
    if (!record.imported) return QString();
    return record.isUntouchedImport()
               ? QCoreApplication::translate("ImportMark",
                                             "Imported from the transmitter database; the next "
                                             "import may update or remove it.")
               : QCoreApplication::translate("ImportMark",
                                             "Imported from the transmitter database and changed "
                                             "by you; imports leave it as it is.");
}
