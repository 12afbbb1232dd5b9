#include "characterlisttest.h"

#include "deliverytext.h"
#include "forbiddenchars.h"

#include "platform/winpath.h"

#include <vector>

namespace {

// Filled with a unit no service writes, so that a missing terminator shows.
constexpr char16_t Untouched = u'\uFFFF';

} // namespace

void CharacterListTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
}

CharacterListTest::Outcome CharacterListTest::transform(const QString &text, int strict,
                                                        const QString &folder, int dstCount)
{
    std::vector<char16_t> dst(size_t(dstCount), Untouched);
    Outcome outcome;
    outcome.result = writer::TransformDeliveryText(units(text), dst.data(), dstCount, strict, folder);
    outcome.text = QString::fromUtf16(dst.data(), std::find(dst.begin(), dst.end(), 0) - dst.begin());
    EXPECT_NE(std::find(dst.begin(), dst.end(), 0), dst.end()) << "dst is terminated";
    return outcome;
}

CharacterListTest::Outcome CharacterListTest::forbidden(const QString &text, int strict,
                                                        const QString &folder, int outBytes)
{
    std::vector<char16_t> out(size_t(outBytes) / 2, Untouched);
    Outcome outcome;
    outcome.result = writer::CollectForbiddenChars(units(text), out.data(), outBytes, strict, folder);
    outcome.text = QString::fromUtf16(out.data(), std::find(out.begin(), out.end(), 0) - out.begin());
    EXPECT_NE(std::find(out.begin(), out.end(), 0), out.end()) << "out is terminated";
    return outcome;
}

QString CharacterListTest::writeList(const QString &folder, QStringView fileName,
                                     const QString &units) const
{
    writeFile(folder + QLatin1Char('/') + fileName.toString(), utf16le(units, false));
    return winPath(folder);
}

const char16_t *units(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}
