#include "inputsettingsfile.h"

#include "importsettings.h"

#include "settingsfile.h"

#include <QStringList>

namespace reader {

namespace {

using settingsfile::line;

// Values of the file that the host application knows by number.
constexpr int ImportModeNewShelf = 1;
constexpr int ImportModeReferOnly = 2;
constexpr int FileNamesOfPhotos = 1;
constexpr int FileNamesInJapanese = 2;
// filename= of a government-building delivery of the 2012 edition.
constexpr int FileNamesGovernmentBuilding2012 = 28;
// type= of a government-building delivery: albums from ticked folders.
constexpr int AlbumsFromFolders = 3;

void appendStandardDelivery(const ImportSettings &settings, QStringList &lines)
{
    lines << line(u"type", settings.m_nAlbumType);
    if (settings.m_nAlbumType == AlbumsByCount)
        lines << line(u"size", settings.m_nPhotoCount);
    else if (settings.m_nAlbumType == AlbumsByClassification)
        lines << line(u"size", settings.m_nClassLevel);
    if (settings.m_nFileNameByPhoto == 1)
        lines << line(u"filename", FileNamesOfPhotos);
    else if (settings.m_nFileNameByJapanese == 1)
        lines << line(u"filename", FileNamesInJapanese);
}

void appendAlbum(int number, const AlbumPlan &album, QStringList &lines)
{
    const int folderCount = album.usedFolderCount();
    lines << QStringLiteral("[ALBUM%1]").arg(number)
          << line(u"photonum", album.photoCount)
          << line(u"albumname", album.albumName)
          << line(u"szBunrui", album.bunrui)
          << line(u"szKubun", album.kubun)
          << line(u"szKousyu", album.kousyu)
          << line(u"szSyubetu", album.syubetu)
          << line(u"szSaibetu", album.saibetu)
          << line(u"foldernum", folderCount)
          << line(u"box", album.box)
          << line(u"nLevel", album.level);
    for (int j = 1; j <= folderCount; ++j) {
        lines << line(QString::number(j), album.folders[j - 1]);
        if (album.hasChild[j - 1] == 1)
            lines << line(QStringLiteral("%1HasChild").arg(j), 1);
    }
}

void appendGovernmentBuildingDelivery(const ImportSettings &settings, QStringList &lines)
{
    const auto albums = settings.plannedAlbums();
    lines << line(u"type", AlbumsFromFolders) << line(u"photonum", settings.m_nPhotoCount);
    if (settings.m_nStd2012 != 0)
        lines << line(u"filename", FileNamesGovernmentBuilding2012);
    lines << line(u"size", int(albums.size()));
    for (std::size_t i = 0; i < albums.size(); ++i)
        appendAlbum(int(i) + 1, albums[i], lines);
}

QStringList inputSettingsLines(const ImportSettings &settings)
{
    QStringList lines{QStringLiteral("[XMLIN]")};
    if (settings.m_nImportNew == 1) {
        lines << line(u"importmode", ImportModeNewShelf);
        // The proposed folder is left to the host application.
        if (settings.m_strShelfPath != settings.m_strShelfDefault)
            lines << line(u"bsfolder", settings.m_strShelfPath);
    } else if (settings.m_nReferOnly == 1) {
        lines << line(u"importmode", ImportModeReferOnly);
    }
    lines << line(u"folder", settings.m_strDataPath);
    if (settings.m_nDeliveryKind == StandardDelivery)
        appendStandardDelivery(settings, lines);
    else
        appendGovernmentBuildingDelivery(settings, lines);
    return lines;
}

} // namespace

QString inputSettingsPath()
{
    return settingsfile::tempFilePath(InputSettingsFileName);
}

bool writeInputSettings(const ImportSettings &settings, const QString &path)
{
    // The host application carries out whatever file it finds after the
    // wizard, so a half-written or stale one must never be left behind: the
    // file is written beside the old one and renamed over it at close.
    return settingsfile::writeLines(path, inputSettingsLines(settings),
                                    win::TextFile::Mode::WriteReplace);
}

} // namespace reader
