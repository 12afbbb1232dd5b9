#include "photolistfields.h"

#include "photoinfotable.h"

#include <algorithm>

namespace photodb {

QString serialText(int serial, int digits)
{
    const QString number = QString::number(qAbs(qint64(serial)));
    if (serial >= 0)
        return number.rightJustified(digits, u'0');
    const qsizetype zeros = std::max<qsizetype>(0, digits - 1 - number.size());
    return QLatin1Char('-') + QString(zeros, u'0') + number;
}

QString fieldText(const PhotoInfoRecord &record, PhotoField field, int serialDigits)
{
    switch (field) {
    case PhotoField::Serial:
        return serialText(record.serial, serialDigits);
    case PhotoField::FileName:
        return record.fileName;
    case PhotoField::JapaneseFileName:
        return record.japaneseFileName;
    case PhotoField::MajorClass:
        return record.majorClass;
    case PhotoField::Category:
        return record.category;
    case PhotoField::WorkType:
        return record.workType;
    case PhotoField::Kind:
        return record.kind;
    case PhotoField::SubKind:
        return record.subKind;
    case PhotoField::Title:
        return record.title;
    case PhotoField::Drawings:
        return record.hasDrawings ? QStringLiteral("有") : QStringLiteral("無");
    case PhotoField::Place:
        return record.place;
    case PhotoField::ManagementValue:
        return record.managementValue;
    case PhotoField::Representative:
        return record.representative;
    case PhotoField::Frequency:
        return record.frequency;
    }
    return QString();
}

} // namespace photodb
