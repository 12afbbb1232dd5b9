#include "samplephotoplanner.h"

#include "samplecatalog.h"

#include <iterator>

namespace {

// The classification cycle, one entry per photo.
enum class Slot {
    Overview,
    Survey,
    Geology,
    Progress,
    ProgressNoSubKind,
    Shape,
    Quality,
    Material,
    Safety
};
constexpr Slot Cycle[] = {
    Slot::Overview, Slot::Survey,   Slot::Progress,
    Slot::Progress, Slot::Progress, Slot::Shape,
    Slot::Progress, Slot::Quality,  Slot::ProgressNoSubKind,
    Slot::Material, Slot::Shape,    Slot::Safety,
    Slot::Progress, Slot::Quality,  Slot::Geology,
    Slot::Shape,    Slot::Progress, Slot::ProgressNoSubKind,
    Slot::Material, Slot::Shape,
};
constexpr int CycleLength = int(std::size(Cycle));

constexpr int DrawingPercent = 40;       // of shape and quality photos
constexpr int SecondDrawingPercent = 20; // of those with a drawing
constexpr int RepresentativePercent = 8;
constexpr int FrequencyPercent = 40; // of shape and quality photos
constexpr int PhotosPerDay = 40;
constexpr int ConstructionDays = 360;
constexpr int StationMetres = 20;

QString majorClassOf(Slot slot)
{
    switch (slot) {
    case Slot::Survey:
        return QStringLiteral("調査");
    case Slot::Geology:
        return QStringLiteral("地質");
    default:
        return QStringLiteral("工事");
    }
}

QString categoryOf(Slot slot)
{
    switch (slot) {
    case Slot::Overview:
        return QStringLiteral("着手前及び完成写真");
    case Slot::Progress:
    case Slot::ProgressNoSubKind:
        return QStringLiteral("施工状況写真");
    case Slot::Shape:
        return QStringLiteral("出来形管理写真");
    case Slot::Quality:
        return QStringLiteral("品質管理写真");
    case Slot::Material:
        return QStringLiteral("使用材料写真");
    case Slot::Safety:
        return QStringLiteral("安全管理写真");
    case Slot::Survey:
    case Slot::Geology:
        break;
    }
    return QString();
}

QString serialName(QChar prefix, int number)
{
    return prefix + QStringLiteral("%1.JPG").arg(number, 7, 10, QLatin1Char('0'));
}

} // namespace

SamplePhotoPlanner::SamplePhotoPlanner(quint64 seed, QDate firstDay)
    : m_random(seed)
    , m_firstDay(firstDay)
{
}

SamplePhoto SamplePhotoPlanner::next()
{
    SamplePhoto photo;
    photo.serial = ++m_photos;
    photo.fileName = serialName(u'P', photo.serial);
    classify(photo, (photo.serial - 1) % CycleLength);
    describe(photo);
    return photo;
}

void SamplePhotoPlanner::classify(SamplePhoto &photo, int slotIndex)
{
    const Slot slot = Cycle[slotIndex];
    photo.majorClass = majorClassOf(slot);
    photo.category = categoryOf(slot);
    switch (slot) {
    case Slot::Overview:
    case Slot::Survey:
    case Slot::Geology:
        return;
    case Slot::Safety:
        photo.workType =
            samplecatalog::SafetyWork.at(m_random.below(int(samplecatalog::SafetyWork.size())));
        return;
    default:
        break;
    }
    const samplecatalog::WorkClass &work =
        samplecatalog::CivilWorks[m_works++ % samplecatalog::CivilWorkCount];
    photo.workType = QString::fromUtf16(work.workType);
    photo.kind = QString::fromUtf16(work.kind);
    if (slot != Slot::ProgressNoSubKind)
        photo.subKind = QString::fromUtf16(work.subKind);

    const bool managed = slot == Slot::Shape || slot == Slot::Quality;
    if (managed && m_random.chance(DrawingPercent)) {
        const int count = m_random.chance(SecondDrawingPercent) ? 2 : 1;
        for (int i = 0; i < count; ++i) {
            const int number = ++m_drawings;
            photo.drawings.append(
                {serialName(u'D', number),
                 QStringLiteral("%1_参考図%2.JPG").arg(photo.kind).arg(i + 1),
                 QStringLiteral("%1 %2").arg(
                     photo.kind, i == 0 ? QStringLiteral("平面図") : QStringLiteral("断面図"))});
        }
    }
    photo.frequency = managed && m_random.chance(FrequencyPercent);
    if (slot == Slot::Shape) {
        const int design = 100 + m_random.below(40) * 10;
        photo.managementValue = QStringLiteral("設計値 %1mm 実測値 %2mm")
                                    .arg(design)
                                    .arg(design + m_random.below(16) - 5);
    } else if (slot == Slot::Quality) {
        photo.managementValue = QStringLiteral("締固め度 %1%").arg(90 + m_random.below(10));
    }
}

void SamplePhotoPlanner::describe(SamplePhoto &photo)
{
    const QString subject = !photo.subKind.isEmpty() ? photo.subKind
        : !photo.kind.isEmpty()                      ? photo.kind
        : !photo.workType.isEmpty()                  ? photo.workType
                                                     : QString();
    if (photo.majorClass == u"調査")
        photo.title = QStringLiteral("現地調査状況");
    else if (photo.majorClass == u"地質")
        photo.title = QStringLiteral("ボーリングコア");
    else if (photo.category == u"着手前及び完成写真")
        photo.title =
            photo.serial % 2 ? QStringLiteral("着手前 全景") : QStringLiteral("完成 全景");
    else if (photo.category == u"出来形管理写真")
        photo.title = QStringLiteral("%1 出来形測定").arg(subject);
    else if (photo.category == u"品質管理写真")
        photo.title = QStringLiteral("%1 品質試験").arg(subject);
    else if (photo.category == u"使用材料写真")
        photo.title = QStringLiteral("%1 材料検収").arg(subject);
    else if (photo.category == u"安全管理写真")
        photo.title = QStringLiteral("%1 実施状況").arg(subject);
    else
        photo.title = QStringLiteral("%1 施工状況").arg(subject);

    photo.japaneseName = QStringLiteral("%1_%2.JPG")
                             .arg(photo.title.section(u' ', 0, 0))
                             .arg(photo.serial, 4, 10, QLatin1Char('0'));
    const int station = m_random.below(StationMetres * 10);
    photo.place =
        QStringLiteral("No.%1+%2.0").arg(station / StationMetres).arg(station % StationMetres);
    photo.date = m_firstDay.addDays(((photo.serial - 1) / PhotosPerDay + m_random.below(3))
                                    % ConstructionDays);
    photo.representative = m_random.chance(RepresentativePercent);
}
