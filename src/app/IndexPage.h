// Reading the element-set server's index page into categories. Two kinds of page are read:
// - a group page, recognised by links to the server's query "gp.php?GROUP=…" or
//   "gp.php?SPECIAL=…": each table cell holding such a link is one category, named by the
//   cell's visible text before its first link, and its file name is the query ("GROUP=stations");
// - any other page: every link to a ".txt" file is one category, named by the link's text.
// Links inside HTML comments are never read.
#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

// Category name to file name. When two categories carry one name, the later one is named
// after its file instead: the ".txt" file's name without its extension, or the query's value,
// each "-" turned into a blank. A cell whose title is empty is named the same way. A query
// that an earlier cell already named is not a second category.
QMap<QString, QString> readIndexPage(const QString& page);

// Whether the file name is a query of a group page ("GROUP=stations", "SPECIAL=gpz"): a
// parameter name and a value of letters, digits, "-" and "_".
bool isGroupQuery(QStringView fileName);
