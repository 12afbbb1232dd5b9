#include "photoinfotest.h"

#include "deliverygenerator.h"
#include "gxtemp.h"

#include "photodb/photodbschema.h"
#include "platform/suitelibrary.h"
#include "platform/winpath.h"
#include "suiteapi/worksdatafunctions.h"

void PhotoInfoTest::SetUp()
{
    JetDaoTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
}

void PhotoInfoTest::writePhotoDatabase(const QStringList &statements) const
{
    createDatabase(QStringLiteral("temp/G_PHOTO.mdb"),
                   photodb::createTableStatements() + statements);
}

QString PhotoInfoTest::readGeneratedDelivery(DeliveryOptions::Standard standard, int photos)
{
    DeliveryGenerator generator({photos, standard, DeliveryOptions::Encoding::ShiftJis});
    if (!generator.generate(hostPath(QStringLiteral("deliv")))) {
        ADD_FAILURE() << generator.errorText().toStdString();
        return QString();
    }
    win::SuiteLibrary library;
    const auto worksdata = library.load(QStringLiteral("P:\\worksdata.dll"))
        ? suiteapi::WorksdataFunctions::fromLibrary(library)
        : std::nullopt;
    if (!worksdata) {
        ADD_FAILURE() << "worksdata cannot be loaded";
        return QString();
    }
    const QString root = winPath(QStringLiteral("deliv"));
    if (!worksdata->dnXmlRead(reinterpret_cast<const char16_t *>(root.utf16()), 1)) {
        ADD_FAILURE() << "DNXmlRead refused the generated delivery";
        return QString();
    }
    GXTemp file;
    GXTemp::Line line;
    if (!file.open() || !file.readLine(&line))
        ADD_FAILURE() << "no GXTemp";
    return line.value;
}

QStringList PhotoInfoTest::masterRows() const
{
    return engineRows(
        QStringLiteral("temp/KOUJIMASTER.MDB"),
        QStringLiteral("SELECT 項目ＩＤ, 名称, 子ＩＤ, 弟ＩＤ, 親ＩＤ FROM KOUJIMASTER ORDER BY rowid"));
}

QStringList PhotoInfoTest::takeMessages()
{
    QStringList texts;
    for (const ui::MessageBoxRequest &request : m_answerer.messageBoxes())
        texts.append(request.text);
    m_answerer.clearRecords();
    return texts;
}
