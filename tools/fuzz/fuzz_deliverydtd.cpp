// Feeds arbitrary bytes to the validation against a delivery disc's DTD,
// as the delivery checker reads it: the input up to its first NUL byte is
// the DTD (PHOTO05.DTD beside the document, read in its own encoding), the
// rest the document naming it. Validity errors stay counted within their
// bound, and only a well-formed document validated against a DTD passes.
// The DTDs under suite/deliverydtd and the deliveries under
// tests/data/worksdata make a good seed corpus.
#include "dtdvalidator.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"

#include "platform/winpath.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray dtd = split < 0 ? QByteArray() : bytes.left(split);
    const QByteArray document = split < 0 ? bytes : bytes.mid(split + 1);
    fuzz::writeInput(QStringLiteral("PHOTO05.DTD"),
                     reinterpret_cast<const std::uint8_t *>(dtd.constData()),
                     std::size_t(dtd.size()));
    const QString path =
        fuzz::writeInput(QStringLiteral("PHOTO.XML"),
                         reinterpret_cast<const std::uint8_t *>(document.constData()),
                         std::size_t(document.size()));
    if (path.isEmpty())
        return 0;
    const DtdValidator::Result result = DtdValidator::validateFile(win::toHostPath(path));
    fuzz::check(result.invalid.size() <= DtdValidator::MaxKept
                && result.invalidCount >= result.invalid.size());
    fuzz::check(!result.isValid() || (result.wellFormed && result.dtd.isUsable()));
    return 0;
}
