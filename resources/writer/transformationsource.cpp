#include "transformationsource.h"

#include "codecdecoder.h"

#include "characterlistlayout.h"

#include <array>
#include <utility>

namespace characterlists {

namespace {

using namespace writer::listlayout;

// The spacing sound marks: NFKC would give the combining ones, which cannot
// stand alone in a delivery text.
constexpr char16_t SpacingVoicedMark = 0x309B;      // ゛
constexpr char16_t SpacingSemiVoicedMark = 0x309C;  // ゜

// Full-width digits and Latin letters, to ASCII.
constexpr std::array<std::pair<char16_t, char16_t>, 3> FullWidthAlphanumerics = {{
    {0xFF10, 0xFF19},  // ０ to ９
    {0xFF21, 0xFF3A},  // Ａ to Ｚ
    {0xFF41, 0xFF5A},  // ａ to ｚ
}};

// Variants common in names that Unicode does not relate to their JIS X 0208
// forms.
constexpr std::array<std::pair<char16_t, char16_t>, 3> NameVariants = {{
    {u'髙', u'高'},
    {u'﨑', u'崎'},
    {u'德', u'徳'},
}};

// The two-byte codes of CP932, in code order.
constexpr int Cp932LeadRanges[2][2] = {{0x81, 0x9F}, {0xE0, 0xFC}};
constexpr int Cp932TrailRanges[2][2] = {{0x40, 0x7E}, {0x80, 0xFC}};

class TableBuilder final
{
public:
    explicit TableBuilder(QString *error)
        : m_table(TransformationUnits, 0)
        , m_error(error)
    {
    }

    // Appends a source entry with its plain replacement.
    bool addSource(char16_t source, char16_t replacement)
    {
        if (m_sources.size() >= SourceCount) {
            *m_error = QStringLiteral("more than %1 source entries").arg(SourceCount);
            return false;
        }
        m_table[m_sources.size() + PlainOffset] = replacement;
        m_table[m_sources.size()] = source;
        m_sources.append(source);
        return true;
    }

    bool hasSource(char16_t unit) const { return m_sources.contains(unit); }

    // The slot's replacement: the composed form of source entry k and the mark.
    bool setCombined(int slot, int k, char16_t mark)
    {
        const char16_t pair[] = {m_sources.at(k), mark};
        const QString composed = QString::fromUtf16(pair, 2);
        const auto form = singleUnitForm(composed);
        if (!form)
            return false;
        m_table[slot] = *form;
        return true;
    }

    std::optional<char16_t> singleUnitForm(const QString &text) const
    {
        const QString form = text.normalized(QString::NormalizationForm_KC);
        if (form.size() != 1) {
            *m_error = QStringLiteral("U+%1 has no single-unit compatibility form")
                           .arg(int(text.at(0).unicode()), 4, 16, QLatin1Char('0'));
            return std::nullopt;
        }
        return form.at(0).unicode();
    }

    QList<char16_t> table() const { return m_table; }

private:
    QList<char16_t> m_table;
    QList<char16_t> m_sources;
    QString *m_error;
};

bool addHalfWidthKana(TableBuilder &builder)
{
    for (char16_t kana = HalfWidthKanaFirst; kana <= HalfWidthKanaLast; ++kana) {
        std::optional<char16_t> form;
        if (kana == VoicedMark)
            form = SpacingVoicedMark;
        else if (kana == SemiVoicedMark)
            form = SpacingSemiVoicedMark;
        else
            form = builder.singleUnitForm(QString(QChar(kana)));
        if (!form || !builder.addSource(kana, *form))
            return false;
    }
    for (int k = VoicedFirst; k <= VoicedLast; ++k) {
        if (!builder.setCombined(k + VoicedOffset, k, VoicedMark))
            return false;
    }
    for (int k = HaRowFirst; k <= HaRowLast; ++k) {
        if (!builder.setCombined(k + HaRowVoicedOffset, k, VoicedMark)
            || !builder.setCombined(k + HaRowSemiVoicedOffset, k, SemiVoicedMark)) {
            return false;
        }
    }
    return builder.setCombined(VoicedUSlot, SourceU, VoicedMark);
}

bool addFullWidthAlphanumerics(TableBuilder &builder)
{
    for (const auto &[first, last] : FullWidthAlphanumerics) {
        for (char16_t unit = first; unit <= last; ++unit) {
            const auto form = builder.singleUnitForm(QString(QChar(unit)));
            if (!form || !builder.addSource(unit, *form))
                return false;
        }
    }
    return true;
}

// The characters of CP932's two-byte codes, in code order.
QList<char16_t> windowsDoubleByteCharacters(const CodecDecoder &windows)
{
    QList<char16_t> characters;
    for (const auto &leads : Cp932LeadRanges) {
        for (int lead = leads[0]; lead <= leads[1]; ++lead) {
            for (const auto &trails : Cp932TrailRanges) {
                for (int trail = trails[0]; trail <= trails[1]; ++trail) {
                    if (const auto unit = windows.decode(lead, trail))
                        characters.append(*unit);
                }
            }
        }
    }
    return characters;
}

// The characters a Windows user can type (CP932) that JIS X 0208 lacks but
// whose compatibility form is one JIS X 0208 character: ㊤ to 上, the
// compatibility ideographs such as 塚 to 塚.
bool addWindowsExtensions(TableBuilder &builder, const PermittedRepertoire &repertoire,
                          QString *error)
{
    const CodecDecoder windows("CP932");
    if (!windows.isValid()) {
        *error = QStringLiteral("iconv has no CP932");
        return false;
    }
    for (char16_t unit : windowsDoubleByteCharacters(windows)) {
        if (repertoire.jisX0208.contains(unit) || builder.hasSource(unit))
            continue;
        const QString form = QString(QChar(unit)).normalized(QString::NormalizationForm_KC);
        if (form.size() == 1 && repertoire.jisX0208.contains(form.at(0).unicode())
            && !builder.addSource(unit, form.at(0).unicode())) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<QList<char16_t>> buildTransformationTable(const PermittedRepertoire &repertoire,
                                                        QString *error)
{
    TableBuilder builder(error);
    if (!addHalfWidthKana(builder) || !addFullWidthAlphanumerics(builder)
        || !addWindowsExtensions(builder, repertoire, error)) {
        return std::nullopt;
    }
    for (const auto &[variant, form] : NameVariants) {
        if (!builder.addSource(variant, form))
            return std::nullopt;
    }
    return builder.table();
}

} // namespace characterlists
