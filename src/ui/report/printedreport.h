#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace report {

struct ReportTexts;

// The lines of the printed report, each a list of items printed one after the other on one
// line; an empty list is an empty line. 39 lines, 38 when no policy is chosen.
QList<QStringList> printedReportLines(const ReportTexts &texts, const QString &date);

// Today's date in the short date format of the user's regional settings.
QString printedReportDate();

} // namespace report
