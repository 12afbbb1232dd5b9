#pragma once

#include "platform/pathnames.h"

#include <QString>

// Lists the units of an information text that the delivery formats do not
// permit (those missing from unicode_list.dat, and in strict mode the
// delivery symbols as well), each once, in order of first appearance. Line
// ends (CR LF, LF) are always permitted.
namespace writer {

class PermittedCharacters;

// text is zero-terminated; out holds outBytes bytes and is left terminated.
// 1 when the text was checked: out then lists what is forbidden, at most
// outBytes / 2 - 1 units. 0 when nothing was checked: no text or buffer,
// outBytes of 1 or less, an empty text (out is then ""), or a list that
// cannot be read; callers take that as nothing forbidden. The list is
// read at every call from the folder, by default the running program's.
int CollectForbiddenChars(const char16_t *text, char16_t *out, int outBytes, int strict,
                          const QString &folder = win::programFolder());
// The same over a list the caller has read.
int CollectForbiddenChars(const char16_t *text, char16_t *out, int outBytes, int strict,
                          const PermittedCharacters &list);

} // namespace writer
