#pragma once

#include <QList>
#include <QString>

namespace reader {

struct ImportSettings;

// One row of the summary list on the last page; a blank row has both
// cells empty.
struct SummaryRow
{
    QString label;
    QString value;

    friend bool operator==(const SummaryRow &, const SummaryRow &) = default;
};

// The rows that tell the user what the host application is going to do.
QList<SummaryRow> importSummaryRows(const ImportSettings &settings);

// Column headings: the label column's is a run of blanks; the value
// column's is the longest of the paths and the standard's name, so that
// the column is wide enough for them.
QString summaryLabelHeading();
QString summaryValueHeading(const ImportSettings &settings);

} // namespace reader
