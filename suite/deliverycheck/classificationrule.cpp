#include "classificationrule.h"

#include "checkmessages.h"
#include "checkreport.h"

#include <QSet>

namespace deliverycheck {

namespace {

constexpr char16_t WorkClass[] = u"工事";

// デジタル写真管理情報基準 (MLIT) and 電子化写真データの作成要領 (MAFF).
constexpr const char16_t *MajorClasses[] = {
    u"工事", u"測量", u"調査", u"地質", u"広報", u"設計", u"その他",
};
// 写真管理基準 (MLIT), the classes of construction photos.
constexpr const char16_t *Categories[] = {
    u"着手前及び完成写真", u"施工状況写真", u"安全管理写真", u"使用材料写真", u"品質管理写真",
    u"出来形管理写真",     u"災害写真",     u"事故写真",     u"その他",
};

// Looked up for every photo, so by hash.
template <std::size_t N> QSet<QString> setOf(const char16_t *const (&list)[N])
{
    QSet<QString> set;
    for (const char16_t *entry : list)
        set.insert(QString::fromUtf16(entry));
    return set;
}

template <std::size_t N> QString joined(const char16_t *const (&list)[N])
{
    QStringList texts;
    for (const char16_t *entry : list)
        texts.append(QString::fromUtf16(entry));
    return texts.join(u'、');
}

} // namespace

ClassificationRule::ClassificationRule(CheckReport &report, PhotoStandard::Body body)
    : m_report(report)
    , m_body(body)
{
}

const char16_t *ClassificationRule::itemName(Level level)
{
    constexpr const char16_t *Names[] = {u"写真-大分類", u"写真区分", u"工種", u"種別", u"細別"};
    return Names[level];
}

void ClassificationRule::check(const QString &file, const Photo &photo)
{
    const QString &major = photo.values[MajorClass];
    const QString &category = photo.values[Category];
    const auto error = [&](Level level, const QString &message) {
        m_report.error(RuleClass::Items, file, lineOf(photo, level),
                       QString::fromUtf16(itemName(level)), message);
    };

    static const QSet<QString> majorClasses = setOf(MajorClasses);
    static const QSet<QString> categories = setOf(Categories);
    // An empty 写真-大分類 is the item check's finding.
    if (!major.isEmpty() && holdsLists() && !majorClasses.contains(major))
        error(MajorClass, messages::UnknownMajorClass.arg(major, joined(MajorClasses)));

    if (major == QStringView(WorkClass)) {
        if (category.isEmpty())
            error(Category, messages::CategoryRequired.toString());
        else if (holdsLists() && !categories.contains(category))
            error(Category, messages::UnknownCategory.arg(category, joined(Categories)));
    } else if (!major.isEmpty() && !category.isEmpty()) {
        m_report.notice(RuleClass::Items, file, lineOf(photo, Category),
                        QString::fromUtf16(itemName(Category)),
                        messages::CategoryOutsideWork.toString());
    }

    for (const Level level : {WorkType, Kind, SubKind}) {
        const Level upper = Level(level - 1);
        if (!photo.values[level].isEmpty() && photo.values[upper].isEmpty()) {
            error(level,
                  messages::LevelWithoutUpper.arg(QString::fromUtf16(itemName(level)),
                                                  QString::fromUtf16(itemName(upper))));
        }
    }
}

bool ClassificationRule::holdsLists() const
{
    return m_body == PhotoStandard::Body::Mlit || m_body == PhotoStandard::Body::Maff;
}

int ClassificationRule::lineOf(const Photo &photo, Level level) const
{
    // A missing level is reported where the levels above it stand.
    for (int at = level; at >= MajorClass; --at) {
        if (photo.lines[at] > 0)
            return photo.lines[at];
    }
    return photo.line;
}

} // namespace deliverycheck
