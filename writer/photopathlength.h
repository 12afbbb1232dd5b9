#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Whether the output would hold a photo whose path is too long: the host
// writes each photo to folder\album label\class levels...\name, and a path
// longer than this cannot be written.
namespace writer {

inline constexpr int MaxOutputPathLength = 260;

// DNKoujiInfGet2: the album label of an album's KOUJI.XML.
using AlbumLabelReader = std::function<QString(const QString &koujiXmlPath)>;

// The leading run of non-empty levels among 写真-大分類, 写真区分, 工種: a
// level counts only when every level before it is given.
QStringList classLevels(const QString &majorClass, const QString &category,
                        const QString &workType);

// The output path's length in UTF-16 units: folder, label, levels and name
// with one separator between each two.
int photoPathLength(const QString &outputFolder, const QString &albumLabel,
                    const QStringList &levels, const QString &name);

// The album's KOUJI.XML from a photo's albumpath: cut after its last "\"
// (nothing left without one), then the file name.
QString albumKoujiXmlPath(const QString &albumPath);

// Which name the photo goes out under: the Japanese file name when the
// names are kept, the file name when they are renamed serially, else none.
struct PhotoNaming
{
    int keepFileName = 0;
    int renameSerial = 0;
};

// Walks the photos of the photo database (a Windows path) in serial order
// and returns the length of the first path above MaxOutputPathLength;
// nothing when every one fits or the database has no photos. The label is
// read once per album. Throws JETDAO::CDaoException when the database or a
// query cannot be opened.
std::optional<int> findOverlongPhotoPath(const QString &photoDatabase,
                                         const QString &outputFolder, PhotoNaming naming,
                                         const AlbumLabelReader &albumLabel);

} // namespace writer
