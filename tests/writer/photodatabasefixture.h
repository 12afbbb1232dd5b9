#pragma once

#include <QString>

#include <vector>

// A G_PHOTO.mdb as workstree leaves it, written row by row for a test.
struct PhotoRow
{
    QString majorClass;  // 写真-大分類
    QString category;    // 写真区分
    QString workType;    // 工種
    QString fileName;
    QString japaneseFileName;
    QString albumPath;   // the album folder with its trailing backslash
};

// Serials 1...n in row order; false when the file could not be written.
bool writePhotoDatabase(const QString &hostPath, const std::vector<PhotoRow> &rows);
