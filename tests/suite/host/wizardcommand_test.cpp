// The export and import command lines with their defaults, on a generated
// data root given as DATAROOT: the bookshelf the export takes without
// --shelf is the active one, the number the import hands the wizard is the
// profile folder its new bookshelf will get, so that the folder it proposes
// is the one the bookshelf lands in. (Without DATAROOT, the suite's own data
// root: ExportProcessTest, through the built program.)
#include "workspacetest.h"

#include "suitesample.h"
#include "wizardcommand.h"

#include <QCommandLineParser>

namespace {

class WizardCommandLineTest : public WorkspaceTest
{
protected:
    void SetUp() override
    {
        WorkspaceTest::SetUp();
        // data, data1 (active), data2 without its data, data4 after a gap.
        SuiteSample sample;
        sample.root = hostPath(QStringLiteral("suite"));
        sample.shelves = 3;
        QString error;
        ASSERT_TRUE(sample.write(&error)) << error.toStdString();
    }
};

TEST_F(WizardCommandLineTest, ShelfGivenOrItsDefault)
{
    const QString root = winPath(QStringLiteral("suite"));
    const QString shelf = QStringLiteral("--shelf");
    const struct
    {
        QStringList arguments;
        host::ShelfDefault shelfDefault;
        std::optional<int> shelf;
    } cases[] = {
        {{root}, host::ShelfDefault::Active, 1},
        {{root}, host::ShelfDefault::NextFreeFolder, 3},
        {{root, shelf, QStringLiteral("2")}, host::ShelfDefault::Active, 2},
        {{root, shelf, QStringLiteral("0")}, host::ShelfDefault::NextFreeFolder, 0},
        {{root, shelf, QStringLiteral("-1")}, host::ShelfDefault::Active, std::nullopt},
        {{root, shelf, QStringLiteral("x")}, host::ShelfDefault::NextFreeFolder, std::nullopt},
        {{root, root}, host::ShelfDefault::Active, std::nullopt},
    };
    for (const auto &run : cases) {
        SCOPED_TRACE(run.arguments.join(u' ').toStdString());
        QCommandLineParser parser;
        const std::optional<host::WizardCommandLine> line =
            host::parseWizardCommandLine(parser, run.arguments, run.shelfDefault);
        ASSERT_EQ(line.has_value(), run.shelf.has_value());
        if (!line)
            continue;
        EXPECT_EQ(line->dataRoot, root);
        EXPECT_EQ(line->shelf, *run.shelf);
    }
    // A host path is taken in its Windows form.
    QCommandLineParser parser;
    const std::optional<host::WizardCommandLine> line = host::parseWizardCommandLine(
        parser, {hostPath(QStringLiteral("suite"))}, host::ShelfDefault::Active);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->dataRoot, root);
}

} // namespace
