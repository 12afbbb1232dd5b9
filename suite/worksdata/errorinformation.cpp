#include "errorinformation.h"

#include "platform/fileops.h"
#include "settingsfile.h"

#include <QXmlStreamReader>

namespace errorinformation {

namespace {

// A kouji.xml is a few kilobytes; more is not construction information.
constexpr qsizetype MaxKoujiXmlBytes = 16 * 1024 * 1024;

const QString Missing = QStringLiteral("工事情報ファイルが読み込めません。");
const QString Broken = QStringLiteral("工事情報ファイルの形式が正しくありません。");
const QString NoName = QStringLiteral("工事名称がありません。");
const QString OtherStandard = QStringLiteral("本棚の要領(%1)が出力する要領(%2)と異なります。");

struct KoujiItems
{
    QString name;
    QString standardCode;
};

bool readItems(const QByteArray &bytes, KoujiItems *items)
{
    QXmlStreamReader xml(bytes);
    while (xml.readNextStartElement()) {
        // The root element's children: the construction's own items.
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name" && items->name.isEmpty())
                items->name = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            else if (xml.name() == u"standardCode" && items->standardCode.isEmpty())
                items->standardCode = xml.readElementText().trimmed();
            else
                xml.skipCurrentElement();
        }
    }
    return !xml.hasError();
}

} // namespace

QStringList findProblems(const QString &koujiXmlPath, int standardCode)
{
    QByteArray bytes;
    if (!win::readFileStart(koujiXmlPath, MaxKoujiXmlBytes, &bytes))
        return {Missing};
    KoujiItems items;
    if (!readItems(bytes, &items))
        return {Broken};
    QStringList problems;
    if (items.name.isEmpty())
        problems.append(NoName);
    if (!items.standardCode.isEmpty() && items.standardCode != QString::number(standardCode))
        problems.append(OtherStandard.arg(items.standardCode).arg(standardCode));
    return problems;
}

bool write(const QString &path, const QString &koujiXmlPath, int standardCode,
           const QStringList &problems)
{
    using settingsfile::line;
    QStringList lines{QStringLiteral("[ERRINF]"), line(u"kouji", koujiXmlPath),
                      line(u"foldertype", standardCode), line(u"count", int(problems.size()))};
    for (qsizetype i = 0; i < problems.size(); ++i)
        lines.append(line(QString::number(i + 1), problems.at(i)));
    return settingsfile::writeLines(path, lines, win::TextFile::Mode::WriteReplace);
}

} // namespace errorinformation
