#pragma once

#include "profile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// A private profile file as Windows reads and edits it: a list of lines
// over the file's own bytes. Reads look at the decoded lines; edits splice
// new lines into the bytes and leave every other byte as it was.
namespace win {

class ProfileDocument
{
public:
    static ProfileDocument fromBytes(const QByteArray &bytes);
    // A file that does not exist yet, to be created in that encoding.
    static ProfileDocument newFile(ProfileEncoding encoding);
    // The lines of one section (sectionSpan) on their own, in the file's
    // encoding: edits of its keys give the same bytes as in the whole file.
    static ProfileDocument fromSectionBytes(const QByteArray &bytes, ProfileEncoding encoding);

    ProfileEncoding encoding() const { return m_encoding; }
    const QByteArray &bytes() const { return m_bytes; }

    // The value of the first key of that name in the first section of that
    // name, trimmed; nothing when either is missing or the key line has no
    // '='. Quotes are the caller's business.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Where the first section of that name lies in the bytes: from its
    // header to the next section's, or to the end of the content.
    struct Span
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    std::optional<Span> sectionSpan(const QString &section) const;
    QByteArray withSpanReplaced(const Span &span, const QByteArray &bytes) const;

    // The whole file after the edit.
    QByteArray withValue(const QString &section, const QString &key, const QString &value) const;
    QByteArray withoutKey(const QString &section, const QString &key) const;
    QByteArray withoutSection(const QString &section) const;
    // fromKey's value written under toKey as it stands in the file, byte for
    // byte and whole (its trailing blanks aside), then fromKey's line
    // deleted; the file as it is when fromKey is missing.
    QByteArray withMovedValue(const QString &section, const QString &fromKey,
                              const QString &toKey) const;

private:
    enum class Kind { Blank, Section, Key, Other };

    struct Line
    {
        qsizetype start = 0;        // byte offset of the line
        qsizetype contentBytes = 0; // without the line end
        qsizetype endBytes = 0;     // CR LF, LF, CR or nothing at the end of the file
        Kind kind = Kind::Other;
        QString name;               // section or key name
        QString value;              // a key's value, trimmed
        qsizetype sectionEnd = 0;   // a section line: the line after its last
    };

    void parse();
    void index();
    QByteArray withValueBytes(const QString &section, const QString &key,
                              const QByteArray &encodedValue) const;
    // Where the value of a key line ends, before its trailing blanks.
    qsizetype valueEnd(const Line &line) const;
    QString decode(qsizetype start, qsizetype length) const;
    QByteArray encode(const QString &text) const;
    qsizetype unitSize() const { return m_encoding == ProfileEncoding::Utf16 ? 2 : 1; }
    qsizetype valueOffset(const Line &line) const;

    qsizetype findSection(const QString &section) const;
    // The section's lines run from its header to the line before end.
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, const QString &key) const;

    QByteArray spliced(qsizetype start, qsizetype removed, const QByteArray &inserted) const;
    QByteArray lineEnd() const;

    QByteArray m_bytes;
    ProfileEncoding m_encoding = ProfileEncoding::Ansi;
    qsizetype m_headerBytes = 0;  // byte-order mark
    qsizetype m_contentEnd = 0;   // before a stray odd byte of a UTF-16 file
    bool m_newFile = false;
    QList<Line> m_lines;
    // The first section of each name, the only one Windows finds. (Its keys
    // are few and looked up in order.)
    QHash<QString, qsizetype> m_sections;
};

} // namespace win
