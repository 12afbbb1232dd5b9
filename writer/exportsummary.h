#pragma once

#include <QList>
#include <QString>

// What the summary page lists before Finish: label and value rows.
namespace writer {

struct ExportSettings;

struct SummaryRow
{
    QString label;
    QString value;
};

// The label the first column is sized by.
QString summaryWidestLabel();
// The value the second column is sized by: the longer (in characters) of
// the output folder and the standard's name.
QString summaryWidestValue(const ExportSettings &settings);

// The photo standard followed: by the photo category, else the
// government-building codes' own, else the standard's name.
QString summaryPhotoStandardName(const ExportSettings &settings);

// Every row in order, blank rows included.
QList<SummaryRow> exportSummaryRows(const ExportSettings &settings);

} // namespace writer
