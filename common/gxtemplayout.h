#pragma once

#include "gxtemp.h"

#include <QList>
#include <QStringList>

#include <functional>

// The two-column layout of GXTemp that the basic-information pages of both
// wizards share: a first pass finds the widest label and the widest value
// of the width section, whose value length then cuts the longer values into
// rows of their own.
namespace gxtemplayout {

// The longest label and value of the first pass.
struct Widest
{
    QString label;
    QString value;
};

// How wide a text is: characters (DeliveryReader) or pixels of the list's
// font (DeliveryWriter).
using TextWidth = std::function<int(const QString &)>;

// Reads the whole file: the first line sets both, each later line replaces
// the label when its label is wider, and the value when its value is wider
// and the line belongs to the width section.
Widest measure(GXTemp &file, const TextWidth &width);

// The rows {label, value} of one line: a value of at most limit characters
// gives one row; a longer one gives the label with the first limit
// characters, then rows with an empty label, each with the next limit
// characters. A limit of 0 or less (every value of the width section was
// empty) keeps the value whole rather than cutting it into pieces of
// nothing.
void appendRows(const GXTemp::Line &line, qsizetype limit, QList<QStringList> &rows);

} // namespace gxtemplayout
