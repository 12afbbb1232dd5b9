#include "textfile.h"

#include "hostentry.h"
#include "hosterror.h"
#include "replacingfile.h"
#include "winpath.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace win {

namespace {

constexpr qint64 ReadChunk = 64 * 1024;
const QByteArray Utf16Bom("\xFF\xFE", 2);
const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

} // namespace

struct TextFile::Private
{
    std::unique_ptr<QFileDevice> file;
    // WriteReplace: the file that replaces the target on close.
    std::unique_ptr<ReplacingFile> replacing;
    Mode mode = Mode::Read;
    QStringConverter::Encoding encoding = QStringConverter::Utf16LE;
    QStringDecoder decoder;
    QString pending;              // read and translated, not yet handed out
    qsizetype pendingPosition = 0;
    bool heldCarriageReturn = false;  // waits to see whether a line feed follows
    bool endOfFile = false;
    bool failed = false;

    bool openHost(const QString &hostPath, int flags);
    QFileDevice *device() const { return replacing ? &replacing->file() : file.get(); }
    void fill();
    qsizetype available() const { return pending.size() - pendingPosition; }
    bool writeEncoded(const QString &text);
    bool startWithByteOrderMark();
};

bool TextFile::Private::openHost(const QString &hostPath, int flags)
{
    const int fd = openHostFile(hostPath, flags);
    if (fd < 0) {
        const int reason = errno;
        return fail(reason == ENOENT ? missingEntryError(hostPath) : errorFromErrno(reason));
    }
    auto device = std::make_unique<QFile>();
    const int access = flags & O_ACCMODE;
    const QIODevice::OpenMode openMode = access == O_RDONLY   ? QIODevice::ReadOnly
                                         : access == O_WRONLY ? QIODevice::WriteOnly
                                                              : QIODevice::ReadWrite;
    if (!device->open(fd, openMode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error::GenFailure);
    }
    file = std::move(device);
    return true;
}

// The C runtime reads CR LF as LF and leaves a CR that no LF follows.
void TextFile::Private::fill()
{
    const QByteArray bytes = file->read(ReadChunk);
    if (bytes.isEmpty()) {
        if (file->error() != QFileDevice::NoError) {
            failed = true;
            setLastError(error::ReadFault);
        }
        endOfFile = true;
    }
    const QString decoded = decoder.decode(bytes);
    QString translated = pending.mid(pendingPosition);
    translated.reserve(translated.size() + decoded.size() + 1);
    for (const QChar c : decoded) {
        if (heldCarriageReturn) {
            heldCarriageReturn = false;
            if (c == QLatin1Char('\n')) {
                translated += c;
                continue;
            }
            translated += QLatin1Char('\r');
        }
        if (c == QLatin1Char('\r'))
            heldCarriageReturn = true;
        else
            translated += c;
    }
    if (endOfFile && heldCarriageReturn) {
        heldCarriageReturn = false;
        translated += QLatin1Char('\r');
    }
    pending = translated;
    pendingPosition = 0;
}

bool TextFile::Private::writeEncoded(const QString &text)
{
    QString translated = text;
    translated.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QStringEncoder encoder(encoding);
    const QByteArray bytes = encoder.encode(translated);
    if (device()->write(bytes) != bytes.size()) {
        failed = true;
        return fail(error::WriteFault);
    }
    return true;
}

bool TextFile::Private::startWithByteOrderMark()
{
    if (writeEncoded(QString(QChar(0xFEFF))))
        return true;
    file.reset();
    replacing.reset();
    return false;
}

TextFile::TextFile()
    : d(std::make_unique<Private>())
{
}

TextFile::~TextFile()
{
    // In WriteReplace mode an unclosed file is dropped, leaving the target
    // as it was; the other modes keep what was written.
    if (isOpen() && d->mode != Mode::WriteReplace)
        close();
}

bool TextFile::open(const QString &path, Mode mode)
{
    if (isOpen())
        close();
    *d = Private();
    d->mode = mode;
    ErrorCode code = error::Success;
    const QString host = toHostPath(path, &code);
    if (code != error::Success)
        return fail(code);
    const HostEntry entry = HostEntry::of(host);
    if (entry.directory || (mode != Mode::Read && entry.readOnly))
        return fail(error::AccessDenied);

    switch (mode) {
    case Mode::Read: {
        if (!d->openHost(host, O_RDONLY))
            return false;
        // Without a byte-order mark "ccs=UNICODE" reads UTF-16LE; a UTF-8
        // mark switches to UTF-8.
        const QByteArray head = d->file->peek(3);
        if (head.startsWith(Utf16Bom)) {
            d->file->skip(Utf16Bom.size());
        } else if (head == Utf8Bom) {
            d->file->skip(Utf8Bom.size());
            d->encoding = QStringConverter::Utf8;
        }
        d->decoder = QStringDecoder(d->encoding, QStringConverter::Flag::ConvertInitialBom);
        return true;
    }
    case Mode::Write:
        if (!d->openHost(host, O_WRONLY | O_CREAT | O_TRUNC))
            return false;
        return d->startWithByteOrderMark();
    case Mode::Append: {
        if (!d->openHost(host, O_RDWR | O_CREAT | O_APPEND))
            return false;
        if (d->file->size() == 0)
            return d->startWithByteOrderMark();
        if (d->file->peek(3) == Utf8Bom)
            d->encoding = QStringConverter::Utf8;
        return true;
    }
    case Mode::WriteReplace: {
        auto replacing = std::make_unique<ReplacingFile>();
        if (!replacing->open(host))
            return false;
        d->replacing = std::move(replacing);
        return d->startWithByteOrderMark();
    }
    }
    return false;
}

bool TextFile::isOpen() const
{
    return d->file || d->replacing;
}

bool TextFile::readLine(QString *line, int bufferChars)
{
    line->clear();
    if (!isOpen() || d->mode != Mode::Read || bufferChars < 2)
        return fail(error::InvalidParameter);
    const qsizetype limit = bufferChars - 1;
    while (line->size() < limit && !d->failed) {
        if (d->available() == 0) {
            if (d->endOfFile)
                break;
            d->fill();
            continue;
        }
        const qsizetype wanted = std::min(limit - line->size(), d->available());
        const QStringView window = QStringView(d->pending).mid(d->pendingPosition, wanted);
        const qsizetype lineFeed = window.indexOf(QLatin1Char('\n'));
        const bool ends = lineFeed >= 0;
        const qsizetype taken = ends ? lineFeed + 1 : wanted;
        line->append(window.first(taken));
        d->pendingPosition += taken;
        if (ends)
            break;
    }
    return !d->failed && !line->isEmpty();
}

bool TextFile::atEnd() const
{
    if (!isOpen() || d->mode != Mode::Read)
        return true;
    while (d->available() == 0 && !d->endOfFile && !d->failed)
        d->fill();
    return d->available() == 0;
}

bool TextFile::hasError() const
{
    return d->failed;
}

bool TextFile::write(const QString &text)
{
    if (!isOpen() || d->mode == Mode::Read)
        return fail(error::InvalidParameter);
    return d->writeEncoded(text);
}

bool TextFile::close()
{
    if (!isOpen())
        return false;
    bool ok = !d->failed;
    if (d->mode == Mode::WriteReplace) {
        // A failed write leaves the target as it was.
        ok = ok && d->replacing->commit();
        d->replacing.reset();
    } else {
        if (d->mode != Mode::Read)
            ok = d->file->flush() && ok;
        d->file->close();
        ok = ok && d->file->error() == QFileDevice::NoError;
    }
    if (!ok && d->mode != Mode::Read)
        setLastError(error::WriteFault);
    d->file.reset();
    return ok;
}

} // namespace win
