#include "photostandard.h"

#include <QRegularExpression>

namespace {

constexpr int HeiseiStart = 1989;
constexpr int ReiwaStart = 2019;
constexpr int ReiwaStartMonth = 5;

// Editions of the photo DTDs, for deliveries whose texts tell nothing.
struct DtdEdition
{
    const char16_t *version;
    PhotoStandard::Body body;
    int year;
    int month;
};
constexpr DtdEdition DtdEditions[] = {
    {u"02", PhotoStandard::Body::Mlit, 2002, 7},   {u"04", PhotoStandard::Body::Mlit, 2006, 1},
    {u"05", PhotoStandard::Body::Mlit, 2008, 5},   {u"02N", PhotoStandard::Body::Nexco, 2006, 7},
    {u"04N", PhotoStandard::Body::Nexco, 2012, 7},
};

// Prefixes of the MLIT field codes ("土木200805-01").
constexpr const char16_t *MlitFields[] = {u"土木", u"電通", u"機械", u"電気", u"営繕"};

QString fullWidthDigits(int number)
{
    QString text = QString::number(number);
    for (QChar &c : text)
        c = QChar(c.unicode() - u'0' + u'０');
    return text;
}

} // namespace

PhotoStandard PhotoStandard::determine(const QString &photoCriterion, const QString &indexCriterion,
                                       const QString &dtdVersion)
{
    PhotoStandard standard;
    const Body photoBody = bodyOf(photoCriterion);
    const Body indexBody = bodyOf(indexCriterion);
    const Body dtdBody = bodyOfDtd(dtdVersion);
    for (const Body body : {photoBody, indexBody, dtdBody}) {
        if (body != Body::Unknown) {
            standard.m_body = body;
            break;
        }
    }
    standard.m_edition = editionOf(photoCriterion);
    if (!standard.m_edition.isValid() && indexBody == standard.m_body)
        standard.m_edition = editionOf(indexCriterion);
    if (!standard.m_edition.isValid() && dtdBody == standard.m_body)
        standard.m_edition = editionOfDtd(dtdVersion);
    return standard;
}

QString PhotoStandard::name() const
{
    const QString edition =
        m_edition.isValid() ? QStringLiteral("（%1版準拠)").arg(eraDate(m_edition)) : QString();
    switch (m_body) {
    case Body::Nexco: {
        const bool edition2012 =
            m_edition.year > 2012 || (m_edition.year == 2012 && m_edition.month >= 7);
        return QString::fromUtf16(edition2012 ? Nexco2012Name : Nexco2006Name);
    }
    case Body::Mlit:
        return QStringLiteral("国土交通省 デジタル写真管理情報基準") + edition;
    case Body::Maff:
        return QStringLiteral("農林水産省 電子化写真データの作成要領") + edition;
    case Body::Unknown:
        break;
    }
    return QString();
}

PhotoStandard::Body PhotoStandard::bodyOf(const QString &text)
{
    if (text.contains(u"NEXCO", Qt::CaseInsensitive) || text.contains(u"工事記録写真"))
        return Body::Nexco;
    if (text.contains(u"農村振興") || text.contains(u"農林水産")
        || text.contains(u"電子化写真データ"))
        return Body::Maff;
    if (text.contains(u"国土交通") || text.contains(u"デジタル写真管理"))
        return Body::Mlit;
    const QString trimmed = text.trimmed();
    for (const char16_t *field : MlitFields) {
        if (trimmed.startsWith(QStringView(field)))
            return Body::Mlit;
    }
    return Body::Unknown;
}

PhotoStandard::Edition PhotoStandard::editionOf(const QString &text)
{
    // Full-width digits and blanks become ASCII ones.
    const QString plain = text.normalized(QString::NormalizationForm_KC);
    static const QRegularExpression eraDate(
        QStringLiteral("(平成|令和)\\s*(\\d{1,2}|元)\\s*年\\s*(\\d{1,2})\\s*月"));
    static const QRegularExpression heiseiShort(
        QStringLiteral("\\bH\\s*(\\d{1,2})\\.(\\d{1,2})\\b"));
    static const QRegularExpression fieldCode(
        QStringLiteral("(?<!\\d)((?:19|20)\\d\\d)(\\d\\d)(?!\\d)"));

    Edition edition;
    if (const QRegularExpressionMatch m = eraDate.match(plain); m.hasMatch()) {
        const int eraYear = m.captured(2) == u"元" ? 1 : m.captured(2).toInt();
        const int start = m.captured(1) == u"令和" ? ReiwaStart : HeiseiStart;
        edition = {start + eraYear - 1, m.captured(3).toInt()};
    } else if (const QRegularExpressionMatch m = heiseiShort.match(plain); m.hasMatch()) {
        edition = {HeiseiStart + m.captured(1).toInt() - 1, m.captured(2).toInt()};
    } else if (const QRegularExpressionMatch m = fieldCode.match(plain); m.hasMatch()) {
        edition = {m.captured(1).toInt(), m.captured(2).toInt()};
    }
    if (edition.year < HeiseiStart || edition.month < 1 || edition.month > 12)
        return Edition();
    return edition;
}

PhotoStandard::Body PhotoStandard::bodyOfDtd(const QString &version)
{
    for (const DtdEdition &entry : DtdEditions) {
        if (version.compare(QStringView(entry.version), Qt::CaseInsensitive) == 0)
            return entry.body;
    }
    return Body::Unknown;
}

PhotoStandard::Edition PhotoStandard::editionOfDtd(const QString &version)
{
    for (const DtdEdition &entry : DtdEditions) {
        if (version.compare(QStringView(entry.version), Qt::CaseInsensitive) == 0)
            return {entry.year, entry.month};
    }
    return Edition();
}

QString PhotoStandard::eraDate(const Edition &edition)
{
    const bool reiwa = edition.year > ReiwaStart
        || (edition.year == ReiwaStart && edition.month >= ReiwaStartMonth);
    const int eraYear = edition.year - (reiwa ? ReiwaStart : HeiseiStart) + 1;
    return QStringLiteral("%1%2年%3月")
        .arg(reiwa ? QStringLiteral("令和") : QStringLiteral("平成"),
             eraYear == 1 ? QStringLiteral("元") : fullWidthDigits(eraYear),
             fullWidthDigits(edition.month));
}
