// Reading the element-set server's index page: every link to a ".txt" file is one category,
// named by the link's text.
#pragma once

#include <QMap>
#include <QString>

// Category name to file name. When two links carry the same text, the later one's category is
// named after its file: the name without ".txt", each "-" turned into a blank.
QMap<QString, QString> readIndexPage(const QString& page);
