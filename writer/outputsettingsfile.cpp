#include "outputsettingsfile.h"

#include "exportsettings.h"
#include "standardcodes.h"

#include "pathchecks.h"
#include "platform/fileops.h"
#include "platform/profile.h"
#include "settingsfile.h"

#include <QStringList>

namespace writer {

namespace {

using settingsfile::line;

const QString XmlOutSection = QStringLiteral("XMLOUT");
const QString OptionSection = QStringLiteral("OPTION");

// phototype of the government-building codes: images renamed to the
// serial names, or their names kept. Every other code writes 1.
constexpr int PhotosRenamed = 1;
constexpr int PhotoNamesKept = 2;
// size when the output is handed to another delivery program.
const QString CooperationSplitSize = QStringLiteral("65536");
const QString NoCooperation = QStringLiteral("-1");
// Standard code with the applicable-standard text in the block.
constexpr int TekiyouCode = 8;

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QStringList xmlOutLines(const ExportSettings &settings)
{
    const int code = settings.m_nStandardCode;
    int photoType = 1;
    if (standards::isGovernmentBuildingCode(code))
        photoType = settings.m_nRenameSerial == 1 ? PhotosRenamed : PhotoNamesKept;
    QStringList lines{QStringLiteral("[XMLOUT]"), line(u"foldertype", code),
                      line(u"phototype", photoType), line(u"type", settings.m_nOutputKind)};
    if (settings.m_nOutputKind == OutputToFolder)
        lines << line(u"folder", settings.m_strOutputFolder) << line(u"size", settings.m_nSplitSize);
    if (code == TekiyouCode)
        lines << line(u"tekiyou", settings.m_szTekiyou);
    return lines;
}

QString styleSheetFormat(int format)
{
    switch (format) {
    case StyleSheetPhotoInfo:
    case StyleSheetListAndPhotoInfo:
    case StyleSheetWithSearch:
        return QString::number(format);
    default:
        return QStringLiteral("0");
    }
}

// The cooperation program chosen in the list; -1 when none is.
QString cooperatorId(const ExportSettings &settings)
{
    const int index = settings.m_nCooperatorIndex;
    if (settings.m_nCooperate != 1 || index < 0 || index >= CooperatorSlots)
        return NoCooperation;
    return QString::number(settings.m_anCooperatorId[index]);
}

struct Key
{
    QString section;
    QString name;
    QString value;
};

QList<Key> profileKeys(const ExportSettings &settings)
{
    const bool otherData = standards::standardCode(settings.m_nStandardCode).otherData;
    const bool changed = settings.m_nKoujiChange == 1;
    QList<Key> keys;
    if (settings.m_nStyleSheet != 0)
        keys << Key{OptionSection, QStringLiteral("sheet"), styleSheetFormat(settings.m_nStyleSheetFormat)};
    keys << Key{OptionSection, QStringLiteral("media"), QString::number(settings.m_nStartMedia)}
         // Image files are never shrunk.
         << Key{OptionSection, QStringLiteral("photo"), QStringLiteral("0")}
         << Key{OptionSection, QStringLiteral("jname"), flag(settings.m_nJapaneseNames == 1)}
         << Key{OptionSection, QStringLiteral("xml"), flag(settings.m_nXmlOnly == 1)};
    if (otherData) {
        const QString other = flag(settings.m_nOtherData == 1);
        keys << Key{OptionSection, QStringLiteral("othrsData"), other}
             << Key{OptionSection, QStringLiteral("folder"), other}
             << Key{OptionSection, QStringLiteral("othrsDataCreateFlag"),
                    settings.m_szOthrsDataCreateFlag};
    }
    keys << Key{OptionSection, QStringLiteral("KOUJICHANGE"), flag(changed)}
         << Key{OptionSection, QStringLiteral("KOUJIJH"), changed ? settings.m_pszKoujiJH : QString()}
         << Key{OptionSection, QStringLiteral("SYASHIJH"),
                changed ? settings.m_pszSyashiJH : QString()};
    keys << Key{OptionSection, QStringLiteral("EXECCOOPERATIONHELP"), cooperatorId(settings)};
    if (settings.m_nCooperate == 1)
        keys << Key{XmlOutSection, QStringLiteral("size"), CooperationSplitSize};
    const bool browser = settings.m_nLaunchBrowser != 0 && settings.m_nStyleSheet != 0
        && settings.m_nCooperate != 1;
    keys << Key{OptionSection, QStringLiteral("BROWSER"), flag(browser)};
    return keys;
}

bool writeKeys(const QList<Key> &keys, const QString &path)
{
    for (const Key &key : keys) {
        if (!win::writePrivateProfileString(key.section, key.name, key.value, path,
                                            win::ProfileEncoding::Utf16))
            return false;
    }
    return true;
}

} // namespace

QString outputSettingsPath()
{
    return settingsfile::tempFilePath(OutputSettingsFileName);
}

bool writeOtherDataOptions(const ExportSettings &settings, const QString &path)
{
    return writeKeys({Key{OptionSection, QStringLiteral("folder"), flag(settings.m_nOtherFolder == 1)},
                      Key{OptionSection, QStringLiteral("othrsData"), flag(settings.m_nOtherData == 1)}},
                     path);
}

bool writeOutputSettings(const ExportSettings &settings, const QString &path)
{
    // The next content is written beside the file, then put in its place.
    const QString scratch = path + QStringLiteral(".new");
    win::deleteFile(scratch);
    const bool copied = GetPathKind(path) != PathKindFile || win::copyFile(path, scratch, false);
    const bool written = copied
        && settingsfile::writeLines(scratch, xmlOutLines(settings), win::TextFile::Mode::Append)
        && writeKeys(profileKeys(settings), scratch) && win::moveFileReplace(scratch, path);
    if (!written)
        win::deleteFile(scratch);
    return written;
}

} // namespace writer
