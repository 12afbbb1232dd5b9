#include "photolistcolumns.h"

#include "exportsettings.h"

#include "photodb/photoinfotable.h"

namespace writer {

namespace {

// Categories whose photos carry a file name and a Japanese file name; the
// others (0 and 2) know only the Japanese one and show it as the file name.
bool namesBothWays(int category)
{
    return category == 1 || (category >= 3 && category <= 9);
}

bool hasRepresentative(int category)
{
    return category == 3 || category == 5 || category >= 7;
}

bool hasFrequency(int category)
{
    return category >= 7;
}

// Category whose photos are never asked for a submission frequency.
constexpr int NoFrequencyCategory = 9;

using Field = PhotoListColumns::Field;
using Column = PhotoListColumns::Column;

const Column SerialColumn{Field::Serial, QStringLiteral("ｼﾘｱﾙ番号"), Qt::AlignHCenter};
const Column FileNameColumn{Field::FileName, QStringLiteral("写真ﾌｧｲﾙ名"), Qt::AlignLeft};
const Column JapaneseNameColumn{Field::JapaneseFileName, QStringLiteral("写真ﾌｧｲﾙ日本語名"),
                                Qt::AlignLeft};
const QList<Column> ClassificationColumns = {
    {Field::MajorClass, QStringLiteral("写真-大分類"), Qt::AlignLeft},
    {Field::Category, QStringLiteral("写真区分"), Qt::AlignLeft},
    {Field::WorkType, QStringLiteral("工種"), Qt::AlignLeft},
    {Field::Kind, QStringLiteral("種別"), Qt::AlignLeft},
    {Field::SubKind, QStringLiteral("細別"), Qt::AlignLeft},
    {Field::Title, QStringLiteral("写真ﾀｲﾄﾙ"), Qt::AlignLeft},
    {Field::Drawings, QStringLiteral("参考図"), Qt::AlignHCenter},
    {Field::Place, QStringLiteral("撮影箇所"), Qt::AlignLeft},
    {Field::ManagementValue, QStringLiteral("施工管理値"), Qt::AlignLeft},
};
const Column RepresentativeColumn{Field::Representative, QStringLiteral("代表写真"), Qt::AlignLeft};
const Column FrequencyColumn{Field::Frequency, QStringLiteral("提出頻度写真"), Qt::AlignLeft};

QString zeroWhenEmpty(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

void PhotoListColumns::updateOptionalColumns(ExportSettings &settings)
{
    const int category = settings.m_nPhotoStandard;
    if (!namesBothWays(category)) {
        settings.m_nJapaneseNameColumn = 0;
        return;
    }
    settings.m_nJapaneseNameColumn = settings.m_nJapaneseNames == 1 ? 1 : 0;
    if (hasRepresentative(category))
        settings.m_nRepresentativeColumn = 1;
    if (hasFrequency(category))
        settings.m_nSubmitFrequencyColumn = 1;
}

QList<Column> PhotoListColumns::columns(const ExportSettings &settings)
{
    QList<Column> list{SerialColumn, FileNameColumn};
    if (settings.m_nJapaneseNameColumn)
        list.append(JapaneseNameColumn);
    list.append(ClassificationColumns);
    if (settings.m_nRepresentativeColumn)
        list.append(RepresentativeColumn);
    if (settings.m_nSubmitFrequencyColumn)
        list.append(FrequencyColumn);
    return list;
}

QString PhotoListColumns::cellText(const photodb::PhotoInfoRecord &record, Field field,
                                   int category)
{
    switch (field) {
    case Field::FileName:
        return namesBothWays(category) ? record.fileName : record.japaneseFileName;
    case Field::Representative:
        return zeroWhenEmpty(record.representative);
    case Field::Frequency:
        return category == NoFrequencyCategory ? QStringLiteral("0")
                                               : zeroWhenEmpty(record.frequency);
    default:
        return photodb::fieldText(record, field, SerialDigits);
    }
}

} // namespace writer
