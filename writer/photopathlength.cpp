#include "photopathlength.h"

#include "jetdao/cdaodatabase.h"
#include "jetdao/cdaorecordset.h"
#include "photodb/photodbschema.h"

#include <QHash>

namespace writer {

namespace {

using JETDAO::CDaoRecordset;

const QString AlbumFileName = QStringLiteral("KOUJI.XML");
// Separators of folder\label\...\name beside those between the levels.
constexpr int FolderAndNameSeparators = 2;

QString text(const CDaoRecordset &rows, const char16_t *column)
{
    return rows.GetFieldValue(QString::fromUtf16(column)).toString();
}

qlonglong serialOf(const CDaoRecordset &rows)
{
    return rows.GetFieldValue(QString::fromUtf16(photodb::column::Serial)).toLongLong();
}

// One table read forward in serial order beside the classification rows.
// Looking each photo's row up by its own query costs a statement per
// photo; walking the tables together gives the same row (the first of the
// serial) for all of them in one pass.
class SerialCursor
{
public:
    SerialCursor(JETDAO::CDaoDatabase *database, const char16_t *table)
        : m_rows(database)
    {
        m_rows.Open(JETDAO::dbOpenDynaset,
                    QStringLiteral("select * from %1 order by %2 asc")
                        .arg(QString::fromUtf16(table), QString::fromUtf16(photodb::column::Serial)),
                    JETDAO::dbReadOnly);
    }

    // On the first row of the serial: true; false when the table has none.
    bool seek(qlonglong serial)
    {
        while (!m_rows.IsEOF() && serialOf(m_rows) < serial)
            m_rows.MoveNext();
        return !m_rows.IsEOF() && serialOf(m_rows) == serial;
    }

    QString value(const char16_t *column) const { return text(m_rows, column); }

private:
    CDaoRecordset m_rows;
};

} // namespace

QStringList classLevels(const QString &majorClass, const QString &category,
                        const QString &workType)
{
    QStringList levels;
    for (const QString &level : {majorClass, category, workType}) {
        if (level.isEmpty())
            break;
        levels.append(level);
    }
    return levels;
}

int photoPathLength(const QString &outputFolder, const QString &albumLabel,
                    const QStringList &levels, const QString &name)
{
    qsizetype length = outputFolder.size() + albumLabel.size() + name.size()
        + levels.size() + FolderAndNameSeparators;
    for (const QString &level : levels)
        length += level.size();
    return int(length);
}

QString albumKoujiXmlPath(const QString &albumPath)
{
    return albumPath.left(albumPath.lastIndexOf(u'\\') + 1) + AlbumFileName;
}

std::optional<int> findOverlongPhotoPath(const QString &photoDatabase,
                                         const QString &outputFolder, PhotoNaming naming,
                                         const AlbumLabelReader &albumLabel)
{
    using namespace photodb;
    JETDAO::CDaoDatabase database;
    database.Open(photoDatabase, false, true, QString());
    CDaoRecordset classes(&database);
    classes.Open(JETDAO::dbOpenDynaset,
                 QStringLiteral("select * from %1 order by %2 asc")
                     .arg(QString::fromUtf16(table::WorkClass), QString::fromUtf16(column::Serial)),
                 JETDAO::dbReadOnly);
    if (classes.IsEOF())
        return std::nullopt;

    SerialCursor files(&database, table::PhotoFile);
    SerialCursor albums(&database, table::PhotoTemp);
    QHash<QString, QString> labels;  // KOUJI.XML path -> label
    for (; !classes.IsEOF(); classes.MoveNext()) {
        const qlonglong serial = serialOf(classes);
        // A photo without its file or album row counts an empty value.
        const bool hasFile = files.seek(serial);
        const QString albumPath = albums.seek(serial) ? albums.value(column::AlbumPath) : QString();
        const QString koujiXml = albumKoujiXmlPath(albumPath);
        auto label = labels.constFind(koujiXml);
        if (label == labels.constEnd())
            label = labels.insert(koujiXml, albumLabel(koujiXml));

        QString name;
        if (hasFile && naming.keepFileName)
            name = files.value(column::JapaneseFileName);
        else if (hasFile && naming.renameSerial)
            name = files.value(column::FileName);
        const int length = photoPathLength(
            outputFolder, *label,
            classLevels(text(classes, column::MajorClass), text(classes, column::Category),
                        text(classes, column::WorkType)),
            name);
        if (length > MaxOutputPathLength)
            return length;
    }
    return std::nullopt;
}

} // namespace writer
