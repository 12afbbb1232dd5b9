#include "photodatabasefixture.h"

#include "photodb/photodatabasewriter.h"

#include <QFile>

bool writePhotoDatabase(const QString &hostPath, const std::vector<PhotoRow> &rows)
{
    QFile::remove(hostPath);
    PhotoDatabaseWriter writer;
    if (!writer.create(hostPath))
        return false;
    int serial = 0;
    for (const PhotoRow &row : rows) {
        PhotoRecord record;
        record.serial = ++serial;
        record.fields[PhotoRecord::SerialText] = std::to_string(serial);
        record.fields[PhotoRecord::MajorClass] = row.majorClass.toStdString();
        record.fields[PhotoRecord::Category] = row.category.toStdString();
        record.fields[PhotoRecord::WorkType] = row.workType.toStdString();
        record.fields[PhotoRecord::FileName] = row.fileName.toStdString();
        record.fields[PhotoRecord::JapaneseFileName] = row.japaneseFileName.toStdString();
        if (!writer.add(record, row.albumPath.toStdString()))
            return false;
    }
    return writer.commit();
}
