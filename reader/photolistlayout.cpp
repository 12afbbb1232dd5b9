#include "photolistlayout.h"

#include "photodb/photoinfotable.h"

#include <algorithm>

namespace reader {

namespace {

using Field = PhotoListLayout::Field;
using Column = PhotoListLayout::Column;

Column leftColumn(Field field, const char16_t *heading)
{
    return {field, QString::fromUtf16(heading), Qt::AlignLeft};
}

Column centredColumn(Field field, const char16_t *heading)
{
    return {field, QString::fromUtf16(heading), Qt::AlignHCenter};
}

bool hasRepresentativePhotos(const QString &standardName)
{
    return standardName != NexcoStandard2012 && standardName != NexcoStandard2006;
}

int digitsOf(int serial)
{
    return int(QString::number(serial).size());
}

} // namespace

PhotoListLayout::PhotoListLayout(const QString &standardName, const QList<PhotoInfoRecord> &records)
{
    m_columns = {centredColumn(Field::Serial, u"ｼﾘｱﾙ番号"), leftColumn(Field::FileName, u"写真ﾌｧｲﾙ名")};
    if (hasJapaneseFileNames(standardName))
        m_columns.append(leftColumn(Field::JapaneseFileName, u"写真ﾌｧｲﾙ日本語名"));
    m_columns += {
        leftColumn(Field::MajorClass, u"写真-大分類"),
        leftColumn(Field::Category, u"写真区分"),
        leftColumn(Field::WorkType, u"工種"),
        leftColumn(Field::Kind, u"種別"),
        leftColumn(Field::SubKind, u"細別"),
        leftColumn(Field::Title, u"写真ﾀｲﾄﾙ"),
        centredColumn(Field::Drawings, u"参考図"),
        leftColumn(Field::Place, u"撮影箇所"),
        leftColumn(Field::ManagementValue, u"施工管理値"),
    };
    if (hasRepresentativePhotos(standardName))
        m_columns.append(leftColumn(Field::Representative, u"代表写真"));
    const bool anyFrequency =
        std::any_of(records.cbegin(), records.cend(),
                    [](const PhotoInfoRecord &record) { return !record.frequency.isEmpty(); });
    if (anyFrequency)
        m_columns.append(leftColumn(Field::Frequency, u"提出頻度写真"));

    for (const PhotoInfoRecord &record : records)
        m_serialDigits = std::max(m_serialDigits, digitsOf(record.serial));
}

bool PhotoListLayout::hasJapaneseFileNames(const QString &standardName)
{
    return standardName != NexcoStandard2012;
}

QStringList PhotoListLayout::cells(const PhotoInfoRecord &record) const
{
    QStringList texts;
    texts.reserve(m_columns.size());
    for (const Column &column : m_columns)
        texts.append(photodb::fieldText(record, column.field, m_serialDigits));
    return texts;
}

} // namespace reader
