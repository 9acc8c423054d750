// Element sets in the CSV form of the element-set server: a header row naming the columns
// OBJECT_NAME, OBJECT_ID, EPOCH, MEAN_MOTION, ECCENTRICITY, INCLINATION, RA_OF_ASC_NODE,
// ARG_OF_PERICENTER, MEAN_ANOMALY, EPHEMERIS_TYPE, CLASSIFICATION_TYPE, NORAD_CAT_ID,
// ELEMENT_SET_NO, REV_AT_EPOCH, BSTAR, MEAN_MOTION_DOT, MEAN_MOTION_DDOT in that order, then
// one record a line. The numbers hold the same values as the fields of the three-line form,
// angles in degrees and the mean motion in revolutions per day; the catalogue number may have
// any number of digits that fits 32 bits.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

#include "ElementValues.h"

struct CsvElementSet {
    QString name;
    std::int32_t catalogNumber = 0;
    ElementValues elements;  // status Unknown: the form has no status
};

// Whether the line is the header row of the form (a trailing CR is allowed).
bool isCsvElementHeader(QStringView line);

// One record; none when a field is missing, not a number, or the epoch is not a UTC date and
// time "YYYY-MM-DDTHH:MM:SS[.ffffff]" of the years 1957 to 2056. The epoch is rounded to the
// nearest 1e-8 of a day, the precision of the three-line form, so both forms of the same
// elements give the same epoch.
std::optional<CsvElementSet> readCsvElementSet(QStringView line);
