#pragma once

#include "profile.h"

#include <QByteArray>
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

    ProfileEncoding encoding() const { return m_encoding; }
    const QByteArray &bytes() const { return m_bytes; }

    // The value of the first key of that name in the first section of that
    // name, trimmed; nothing when either is missing or the key line has no
    // '='. Quotes are the caller's business.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // The whole file after the edit.
    QByteArray withValue(const QString &section, const QString &key, const QString &value) const;
    QByteArray withoutKey(const QString &section, const QString &key) const;
    QByteArray withoutSection(const QString &section) const;

private:
    enum class Kind { Blank, Comment, Section, Key, Other };

    struct Line
    {
        qsizetype start = 0;        // byte offset of the line
        qsizetype contentBytes = 0; // without the line end
        qsizetype endBytes = 0;     // CR LF, LF, CR or nothing at the end of the file
        Kind kind = Kind::Other;
        QString name;               // section or key name
        QString value;              // a key's value, trimmed
    };

    void parse();
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
};

} // namespace win
