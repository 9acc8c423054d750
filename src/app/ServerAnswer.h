// What the element-set server's answers mean to the update: whether an answer refuses the
// document, what the server said in words a person reads, and whether it says that a group no
// longer exists.
#pragma once

#include <QString>
#include <optional>

#include "FetchText.h"

// What the server said, when the answer refuses the document: a status other than 200, or the
// text that its data have not changed since the last download, which some servers send with
// status 200. None when the answer is no refusal (a document, or a failure without an answer).
std::optional<QString> refusalOf(const FetchResult& answer);

// Whether the answer says that the server has no data for the group: a group it has dropped.
bool saysGroupDropped(const FetchResult& answer);

// The text of a page or answer as a person reads it, cut to a length that fits an alert box.
QString serverWords(const QByteArray& body);
