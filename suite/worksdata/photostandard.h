#pragma once

#include <QString>

// The photo-management standard a delivery follows, told from the texts a
// delivery carries: PHOTO.XML's 適用要領基準, the index file's, and the
// version of the photo DTD. Its name is the first value of GXTemp, which
// the wizards' photo pages compare exactly.
class PhotoStandard final
{
public:
    enum class Body { Unknown, Mlit, Maff, Nexco };

    // The two names the photo pages test for.
    static constexpr char16_t Nexco2012Name[] =
        u"NEXCO 工事記録写真等撮影要領（平成２４年７月版準拠)";
    static constexpr char16_t Nexco2006Name[] =
        u"NEXCO 工事記録写真等撮影要領（平成１８年７月版準拠)";

    // photoCriterion first, then indexCriterion, then the DTD version.
    static PhotoStandard determine(const QString &photoCriterion, const QString &indexCriterion,
                                   const QString &dtdVersion);

    Body body() const { return m_body; }
    bool isKnown() const { return m_body != Body::Unknown; }
    // Empty when unknown.
    QString name() const;

private:
    struct Edition
    {
        int year = 0; // Gregorian year of the edition
        int month = 0;
        bool isValid() const { return year > 0; }
    };

    static Body bodyOf(const QString &text);
    static Edition editionOf(const QString &text);
    static Body bodyOfDtd(const QString &version);
    static Edition editionOfDtd(const QString &version);
    static QString eraDate(const Edition &edition);

    Body m_body = Body::Unknown;
    Edition m_edition;
};
