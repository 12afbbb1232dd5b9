#pragma once

#include "platform/pathnames.h"

#include <QString>

// Normalises an information text to its delivery form with the table of
// NeedTransformation.dat (half-width katakana and other units to the forms
// the formats expect) and reports whether the result holds a tag of the
// delivery schemas.
namespace writer {

class TransformationTable;

namespace transform {
// The transformation failed: the table could not be read, or the result
// would fill dst.
constexpr int Failed = -1;
constexpr int Done = 0;  // dst holds the transformed text
constexpr int TagFound = 1;  // dst holds the first tag found
} // namespace transform

// src is zero-terminated; dst holds dstCount units. strict 1 transforms the
// delivery symbols like any other unit, 0 leaves them. An empty src gives ""
// and Done without reading the table. The table is read at every call from
// the folder, by default the running program's.
int TransformDeliveryText(const char16_t *src, char16_t *dst, int dstCount, int strict,
                          const QString &folder = win::programFolder());
// The same over a table the caller has read, for callers that report a
// missing table themselves.
int TransformDeliveryText(const char16_t *src, char16_t *dst, int dstCount, int strict,
                          const TransformationTable &table);
// The text in its delivery form, as TransformDeliveryText writes it into a
// buffer large enough, without the tag search: for those who show what the
// export will write.
QString transformedDeliveryText(QStringView text, int strict, const TransformationTable &table);

} // namespace writer
