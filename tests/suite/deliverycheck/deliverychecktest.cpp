#include "deliverychecktest.h"

#include "deliverychecker.h"
#include "deliverygenerator.h"
#include "reporttext.h"

#include "platform/codepage.h"
#include "platform/winpath.h"

#include <QFile>

using namespace deliverycheck;

void DeliveryCheckTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
}

void DeliveryCheckTest::generate(const DeliveryOptions &options) const
{
    DeliveryGenerator generator(options);
    ASSERT_TRUE(generator.generate(hostPath(QString::fromUtf16(Delivery))))
        << generator.errorText().toStdString();
}

QByteArray DeliveryCheckTest::read(const QString &relative) const
{
    return readFile(QString::fromUtf16(Delivery) + u'/' + relative);
}

void DeliveryCheckTest::write(const QString &relative, const QByteArray &bytes) const
{
    writeFile(QString::fromUtf16(Delivery) + u'/' + relative, bytes);
}

void DeliveryCheckTest::remove(const QString &relative) const
{
    ASSERT_TRUE(QFile::remove(hostPath(QString::fromUtf16(Delivery) + u'/' + relative)))
        << relative.toStdString();
}

QString DeliveryCheckTest::text(const QString &relative) const
{
    return win::fromAnsi(read(relative));
}

void DeliveryCheckTest::setText(const QString &text, const QString &relative) const
{
    write(relative, win::toAnsi(text));
}

void DeliveryCheckTest::replace(const QString &from, const QString &to, int occurrence,
                                const QString &relative) const
{
    QString document = text(relative);
    qsizetype at = -1;
    for (int i = 0; i < occurrence; ++i) {
        at = document.indexOf(from, at + 1);
        ASSERT_GE(at, 0) << from.toStdString() << " #" << occurrence;
    }
    document.replace(at, from.size(), to);
    setText(document, relative);
}

int DeliveryCheckTest::lineOf(const QString &marker, int occurrence, const QString &relative) const
{
    const QString document = text(relative);
    qsizetype at = -1;
    for (int i = 0; i < occurrence; ++i) {
        at = document.indexOf(marker, at + 1);
        if (at < 0)
            return 0;
    }
    return int(document.left(at).count(u'\n')) + 1;
}

CheckReport DeliveryCheckTest::check(bool decodeImages) const
{
    DeliveryChecker::Options options;
    options.decodeImages = decodeImages;
    options.characterListFolder = QStringLiteral("P:");
    return DeliveryChecker(options).check(deliveryWinPath());
}

QString DeliveryCheckTest::deliveryWinPath() const
{
    return winPath(QString::fromUtf16(Delivery));
}

const Finding *findingOf(const CheckReport &report, Level level, RuleClass ruleClass,
                         const QString &file, const QString &messagePart)
{
    for (const Finding &finding : report.findings()) {
        if (finding.level == level && finding.ruleClass == ruleClass && finding.file == file
            && finding.message.contains(messagePart))
            return &finding;
    }
    return nullptr;
}

std::string describe(const CheckReport &report)
{
    QString text;
    for (const Finding &finding : report.findings()) {
        text +=
            QStringLiteral("%1 [%2] %3 %4 %5: %6\n")
                .arg(reporttext::level(finding.level), reporttext::ruleClass(finding.ruleClass),
                     finding.file, QString::number(finding.line), finding.item, finding.message);
    }
    return text.toStdString();
}
