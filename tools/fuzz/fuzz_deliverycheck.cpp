// Feeds arbitrary bytes to the whole delivery check, through the files as
// `tessera-host check` reads them: the input up to its first NUL byte is
// INDEX_C.XML, the rest PHOTO\PHOTO.XML, each beside the DTD of its
// edition as a disc carries it (Shift_JIS). Slower than fuzz_checkrules,
// which takes the rules in memory; this one reaches the folder walk, the
// DTD lookup and the reports. The findings are counted alike per level
// and per class, name files inside the delivery, and both reports render.
#include "checkreport.h"
#include "deliverychecker.h"
#include "fuzzcheck.h"
#include "fuzzsupport.h"
#include "htmlreport.h"
#include "officialdtds.h"
#include "terminalreport.h"

#include "platform/codepage.h"
#include "platform/pathnames.h"
#include "platform/winpath.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

using namespace deliverycheck;
using fuzz::check;

const QString IndexFile = QStringLiteral("delivery\\INDEX_C.XML");
const QString PhotoFile = QStringLiteral("delivery\\PHOTO\\PHOTO.XML");

void write(const QString &fileName, const QByteArray &bytes)
{
    fuzz::writeInput(fileName, reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                     std::size_t(bytes.size()));
}

// The delivery folder with the DTDs in place, made once for the run.
const QString &deliveryFolder()
{
    static const QString folder = [] {
        write(QStringLiteral("delivery\\INDE_C04.DTD"),
              win::toAnsi(QString::fromUtf16(officialdtds::IndexC04)));
        write(QStringLiteral("delivery\\PHOTO\\PHOTO05.DTD"),
              win::toAnsi(QString::fromUtf16(officialdtds::Photo05)));
        return QStringLiteral("F:\\delivery");
    }();
    return folder;
}

void checkCounts(const CheckReport &report)
{
    int total = 0;
    for (const Level level : {Level::Error, Level::Notice}) {
        int perClass = 0;
        for (const RuleClass ruleClass : RuleClasses)
            perClass += report.count(ruleClass, level);
        check(perClass == report.count(level));
        check(report.findings(level).size() == report.count(level));
        total += report.count(level);
    }
    check(total == report.findings().size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString &folder = deliveryFolder();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    write(IndexFile, split < 0 ? bytes : bytes.left(split));
    write(PhotoFile, split < 0 ? QByteArray() : bytes.mid(split + 1));
    DeliveryChecker::Options options;
    options.decodeImages = false;
    options.characterListFolder = win::programFolder();
    const CheckReport report = DeliveryChecker(options).check(folder);
    check(report.outcome() != CheckReport::Outcome::NotADelivery);
    checkCounts(report);
    for (const Finding &finding : report.findings()) {
        check(!finding.file.startsWith(u'\\') && !finding.file.contains(u':'));
        check(!finding.message.isEmpty() && finding.line >= 0);
    }
    check(!TerminalReport::text(report).isEmpty());
    check(!HtmlReport::document(report).isEmpty());
    return 0;
}
