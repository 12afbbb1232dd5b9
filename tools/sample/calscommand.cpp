#include "calscommand.h"

#include "commandline.h"

#include "jetdao/jetdao.h"
#include "platform/winpath.h"

#include <QDir>
#include <QFile>

namespace {

const QString FileName = QStringLiteral("CALS.mdb");
// The folder is reached through a drive of its own, as the database
// library takes Windows paths.
constexpr char16_t SampleDrive = u'S';
constexpr int MaxRows = 100000;
constexpr int NameSize = 255;

// The delivery folders the rows register, in turn.
const QString Folders[] = {QStringLiteral("DRAWING"), QStringLiteral("MEET"),
                           QStringLiteral("PLAN"), QStringLiteral("OTHRS")};

void writeDatabase(const QString &path, int rows)
{
    JETDAO::CDaoDatabase database;
    database.Create(path);
    JETDAO::CDaoTableDef table(&database);
    table.Create(QStringLiteral("XML"));
    table.CreateField(QStringLiteral("ID"), JETDAO::CDaoTableDef::dbLong);
    table.CreateField(QStringLiteral("FOLDER"), JETDAO::CDaoTableDef::dbText, NameSize);
    table.CreateField(QStringLiteral("FILENAME"), JETDAO::CDaoTableDef::dbText, NameSize);
    table.CreateField(QStringLiteral("TITLE"), JETDAO::CDaoTableDef::dbText, NameSize);
    table.Append();
    JETDAO::CDaoRecordset recordset(&database);
    recordset.Open(JETDAO::dbOpenDynaset, QStringLiteral("select * from XML"));
    for (int row = 0; row < rows; ++row) {
        const QString &folder = Folders[row % std::size(Folders)];
        recordset.AddNew();
        recordset.SetFieldValue(QStringLiteral("ID"), QString::number(row + 1));
        recordset.SetFieldValue(QStringLiteral("FOLDER"), folder);
        recordset.SetFieldValue(QStringLiteral("FILENAME"), folder + QStringLiteral(".XML"));
        recordset.SetFieldValue(QStringLiteral("TITLE"),
                                QStringLiteral("登録データ %1").arg(row + 1));
        recordset.Update();
    }
    recordset.Close();
    database.Close();
}

} // namespace

int runCalsCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("rows"), QStringLiteral("rows of the table XML"), QStringLiteral("N")},
        {QStringLiteral("broken"), QStringLiteral("a file that is not a database")},
    });
    const std::optional<QString> folder =
        commandline::parseFolder(parser, QStringLiteral("cals"), arguments);
    if (!folder)
        return 2;
    const std::optional<int> rows =
        commandline::intOption(parser, QStringLiteral("rows"), 0, MaxRows, 0);
    if (!rows)
        return 2;
    if (!QDir().mkpath(*folder)) {
        commandline::printError(QStringLiteral("%1: cannot create the folder").arg(*folder));
        return 1;
    }
    const QString hostFile = QDir(*folder).filePath(FileName);
    QFile::remove(hostFile);
    if (parser.isSet(QStringLiteral("broken"))) {
        QFile file(hostFile);
        if (!file.open(QIODevice::WriteOnly) || file.write("not a database\r\n") < 0) {
            commandline::printError(QStringLiteral("%1: cannot write").arg(hostFile));
            return 1;
        }
        commandline::printLine(QStringLiteral("%1: not a database").arg(hostFile));
        return 0;
    }
    win::mapDrive(QChar(SampleDrive), QDir(*folder).absolutePath());
    try {
        writeDatabase(QStringLiteral("%1:\\%2").arg(QChar(SampleDrive), FileName), *rows);
    } catch (const JETDAO::CDaoException &e) {
        commandline::printError(QStringLiteral("%1: %2").arg(hostFile, e.GetErrorMessage()));
        return 1;
    }
    commandline::printLine(QStringLiteral("%1: %2 rows in XML").arg(hostFile).arg(*rows));
    return 0;
}
