#include "identifierchecks.h"

#include "deliverytext.h"
#include "exportsettings.h"
#include "forbiddenchars.h"
#include "fullwidthlength.h"
#include "standardcodes.h"
#include "transformationtable.h"

#include <array>

namespace writer {

namespace {

struct IdentifierMessages
{
    QStringView tooLong;
    QStringView forbidden;
};

constexpr IdentifierMessages KoujiMessages{u"工事情報への入力が %1文字多すぎます。",
                                           u"工事情報に禁則文字'%1'が使用されています。"};
constexpr IdentifierMessages SyashiMessages{u"工事写真情報への入力が %1文字多すぎます。",
                                            u"工事写真情報に禁則文字'%1'が使用されています。"};
constexpr QStringView OpenFailed = u"ファイル(%1)のオープンに失敗しました。";

IdentifierCheckResult stay(const QString &message = QString())
{
    return {false, message};
}

IdentifierCheckResult checkIdentifier(const QString &text, const IdentifierMessages &messages,
                                      int strict, const QString &folder)
{
    const int length = FullWidthLength(reinterpret_cast<const char16_t *>(text.utf16()));
    if (length > MaxIdentifierLength)
        return stay(messages.tooLong.toString().arg(length - MaxIdentifierLength));

    if (text.isEmpty())
        return {};
    const auto table = TransformationTable::read(folder);
    if (!table)
        return stay(OpenFailed.toString().arg(TransformationTable::filePath(folder)));

    // A text within the length limit holds at most twice the limit in
    // units, so it fits the working buffer with its terminator.
    std::array<char16_t, IdentifierBufferUnits> source{};
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), qMin<qsizetype>(text.size(), IdentifierBufferUnits - 1),
                source.begin());
    std::array<char16_t, IdentifierBufferUnits> transformed{};
    if (TransformDeliveryText(source.data(), transformed.data(), IdentifierBufferUnits, strict,
                              *table)
        != transform::Done)
        return stay();

    std::array<char16_t, ForbiddenCharsBufferBytes / sizeof(char16_t)> forbidden{};
    if (CollectForbiddenChars(transformed.data(), forbidden.data(), ForbiddenCharsBufferBytes,
                              strict, folder)
            == 1
        && forbidden[0] != 0)
        return stay(messages.forbidden.toString().arg(QString::fromUtf16(forbidden.data())));
    return {};
}

} // namespace

IdentifierCheckResult checkInformationIdentifiers(const ExportSettings &settings,
                                                  const QString &folder)
{
    const int strict = standards::hasStrictInputChecks(settings.m_nStandardCode) ? 1 : 0;
    const IdentifierCheckResult kouji =
        checkIdentifier(settings.m_pszKoujiJH, KoujiMessages, strict, folder);
    if (!kouji.passed)
        return kouji;
    return checkIdentifier(settings.m_pszSyashiJH, SyashiMessages, strict, folder);
}

} // namespace writer
