#pragma once

#include "samplerandom.h"

#include <QDate>
#include <QList>
#include <QString>

// One photo of a sample delivery, as PHOTO.XML describes it.
struct SamplePhoto
{
    struct Drawing
    {
        QString fileName;
        QString japaneseName;
        QString title;
    };

    int serial = 0;
    QString fileName;
    QString japaneseName;
    QString majorClass; // 写真-大分類
    QString category;   // 写真区分
    QString workType;   // 工種
    QString kind;       // 種別
    QString subKind;    // 細別
    QString title;
    QList<Drawing> drawings;
    QString place;
    QDate date;
    bool representative = false;
    bool frequency = false;
    QString managementValue;
};

// Plans the photos of a sample delivery one after the other. The classes
// follow a fixed cycle, so that even a few photos cover every level: photos
// of 着手前及び完成写真 and of surveys (調査, 地質) stop after their upper
// levels, safety photos after 工種, and some others leave 細別 empty.
class SamplePhotoPlanner final
{
public:
    SamplePhotoPlanner(quint64 seed, QDate firstDay);

    SamplePhoto next();

private:
    void classify(SamplePhoto &photo, int slot);
    void describe(SamplePhoto &photo);

    SampleRandom m_random;
    QDate m_firstDay;
    int m_photos = 0;
    int m_works = 0;
    int m_drawings = 0;
};
