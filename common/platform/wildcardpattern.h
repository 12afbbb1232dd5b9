#pragma once

#include <QString>

// The name part of a FindFirstFileW pattern, matched as Windows matches it.
// Win32 rewrites the pattern into the file system's DOS wildcards before
// the search: "*.*" becomes "*"; every '?' becomes DOS_QM (one character,
// or none at a dot or the end of the name); a '.' before '?' or '*', or at
// the end, becomes DOS_DOT (a dot, or nothing at the end of the name); a
// '*' before a '.' becomes DOS_STAR (anything up to the last dot). So "*."
// finds names without an extension, "a.*" finds "a", and "a?.txt" finds
// "a.txt". Letters compare without regard to case.
namespace win {

class WildcardPattern
{
public:
    explicit WildcardPattern(const QString &pattern);

    static bool hasWildcards(const QString &pattern);

    bool matchesEverything() const { return m_everything; }
    bool matches(const QString &name) const;

private:
    QString m_expression;
    bool m_everything = false;
};

} // namespace win
