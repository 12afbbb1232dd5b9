#include "gxtemplayout.h"

namespace gxtemplayout {

Widest measure(GXTemp &file, const TextWidth &width)
{
    Widest widest;
    int labelWidth = 0;
    int valueWidth = 0;
    GXTemp::Line line;
    bool first = true;
    while (file.readLine(&line)) {
        const int lineLabelWidth = width(line.label);
        if (first || lineLabelWidth > labelWidth) {
            widest.label = line.label;
            labelWidth = lineLabelWidth;
        }
        if (first || file.inWidthSection()) {
            const int lineValueWidth = width(line.value);
            if (first || lineValueWidth > valueWidth) {
                widest.value = line.value;
                valueWidth = lineValueWidth;
            }
        }
        first = false;
    }
    return widest;
}

void appendRows(const GXTemp::Line &line, qsizetype limit, QList<QStringList> &rows)
{
    if (limit <= 0 || line.value.size() <= limit) {
        rows.append({line.label, line.value});
        return;
    }
    rows.append({line.label, line.value.left(limit)});
    for (qsizetype start = limit; start < line.value.size(); start += limit)
        rows.append({QString(), line.value.mid(start, limit)});
}

} // namespace gxtemplayout
