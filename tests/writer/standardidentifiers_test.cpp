#include "characterlisttest.h"

#include "deliverytext.h"
#include "fullwidthlength.h"
#include "standardcodes.h"

namespace {

class StandardIdentifiersTest : public CharacterListTest
{
};

// Every code of the table, and one outside it.
constexpr int HighestCode = 100;

constexpr int LengthLimit = 255;

} // namespace

// The input checks run on these identifiers unchanged, so each must pass
// with the shipped lists: a character missing from unicode_list.dat, or a
// transformation that breaks one, shows here.
TEST_F(StandardIdentifiersTest, EveryStandardsIdentifiersPassTheChecksWithTheShippedLists)
{
    for (int code = 0; code <= HighestCode; ++code) {
        const standards::StandardCode standard = standards::standardCode(code);
        const int strict = standards::hasStrictInputChecks(code) ? 1 : 0;
        for (QStringView identifier : {standard.koujiJH, standard.syashiJH}) {
            const QString text = identifier.toString();
            const std::string what = std::to_string(code) + " " + text.toStdString();
            EXPECT_LE(writer::FullWidthLength(units(text)), LengthLimit) << what;
            const Outcome transformed = transform(text, strict);
            EXPECT_EQ(transformed.result, writer::transform::Done) << what;
            const Outcome collected = forbidden(transformed.text, strict);
            EXPECT_EQ(collected.text, QString()) << what;
        }
    }
}
