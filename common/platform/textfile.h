#pragma once

#include "winerror.h"

#include <QString>

#include <memory>

// UTF-16LE text files as the C runtime opens them with "ccs=UNICODE":
// a byte-order mark written when a file is created and skipped on read,
// CR LF read as LF (a CR without LF stays) and LF written as CR LF. As in
// the C runtime, a file without a mark is read as UTF-16LE, and one that
// starts with the UTF-8 mark is read (or appended to) as UTF-8.
//
// open() fails with FileNotFound / PathNotFound for what is missing, and
// AccessDenied for a folder or, when writing, a read-only file.
namespace win {

class TextFile
{
public:
    enum class Mode {
        Read,       // "r, ccs=UNICODE"
        Write,      // "w, ccs=UNICODE": truncates or creates
        Append,     // "a+,ccs=UNICODE": appends, creates with a byte-order mark
        // Like Write, but into a temporary file beside the target that
        // close() renames over it only when every write succeeded, so a
        // reader never sees half a file.
        WriteReplace,
    };

    TextFile();
    ~TextFile();
    Q_DISABLE_COPY_MOVE(TextFile)

    bool open(const QString &path, Mode mode);  // false: lastError() says why
    bool isOpen() const;

    // fgetws into a buffer of bufferChars characters: reads up to
    // bufferChars - 1 characters, stopping after a line feed (which is kept).
    // False at end of file with nothing read, or on a read error.
    bool readLine(QString *line, int bufferChars);
    bool atEnd() const;
    bool hasError() const;  // ferror: a read or write failed

    bool write(const QString &text);  // fputws

    // Flushes and closes; false when a write failed (then, in WriteReplace
    // mode, the target is left as it was).
    bool close();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace win
