#include "writerwizardtest.h"

#include "cwizsheet.h"
#include "launcharguments.h"
#include "writerids.h"

#include "platform/winpath.h"
#include "photodatabasefixture.h"

#include "photodb/photodbschema.h"
#include "ui/windowmessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

int fakeCreateWorksTree(const char16_t *dataFolder, int shelfNumber, const int *albumNumbers,
                        int albumCount, int left, int top, int right, int bottom,
                        void *parentWindow, int)
{
    WorkstreeCalls &calls = WriterWizardTest::workstree();
    ++calls.createWorksTree;
    calls.dataFolder = QString::fromUtf16(dataFolder);
    calls.shelfNumber = shelfNumber;
    calls.albumNumbers = QList<int>(albumNumbers, albumNumbers + albumCount);
    calls.rectangle = QRect(QPoint(left, top), QPoint(right, bottom));
    calls.parentWindow = static_cast<QWidget *>(parentWindow);
    return calls.treeCreated ? 1 : 0;
}

void fakeCreatePhotoMdb()
{
    WorkstreeCalls &calls = WriterWizardTest::workstree();
    ++calls.createPhotoMdb;
    ui::postMessage(calls.parentWindow, ui::UserMessage + 1001, calls.hasPhotos ? 1 : 0, 0);
}

int fakeGetOtherData()
{
    return WriterWizardTest::workstree().otherData;
}

void fakeSetOtherData(int flag)
{
    WriterWizardTest::workstree().otherData = flag;
}

void fakeDestoryWorksTree()
{
}

int fakeIsThisDriveWritable(char16_t *)
{
    return 1;
}

// DNInfMake as far as the walk through the pages needs it: a GXTemp of one
// item in the temp folder.
int fakeDnInfMake(const char16_t *, int, int, const char16_t *, const char16_t *, int,
                  char16_t *tekiyou, const char16_t *, const char16_t *, int,
                  char16_t *otherDataFlag)
{
    tekiyou[0] = u'\0';
    otherDataFlag[0] = u'\0';
    QFile file(QFile::decodeName(qgetenv("TMP")) + QStringLiteral("/GXTemp"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(utf16le(QStringLiteral("出力形式 XML\r\n")));
    return 1;
}

} // namespace

void WriterWizardTest::SetUp()
{
    WizardTest::SetUp();
    // The program folder with the character lists the build shipped.
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    workstree() = WorkstreeCalls();
    // Every folder of the workspace can be written; a test says otherwise.
    m_suite.suiteCommon.isThisDriveWritable = fakeIsThisDriveWritable;
    m_suite.worksdata.dnInfMake = fakeDnInfMake;
}

WorkstreeCalls &WriterWizardTest::workstree()
{
    static WorkstreeCalls calls;
    return calls;
}

suiteapi::WorkstreeFunctions WriterWizardTest::workstreeFunctions()
{
    suiteapi::WorkstreeFunctions functions;
    functions.createWorksTree = fakeCreateWorksTree;
    functions.createPhotoMdb = fakeCreatePhotoMdb;
    functions.getOtherData = fakeGetOtherData;
    functions.setOtherData = fakeSetOtherData;
    functions.destoryWorksTree = fakeDestoryWorksTree;
    return functions;
}

writer::CWizSheet &WriterWizardTest::startWizard(int standardCode)
{
    return startWizard(standardCode, workstreeFunctions());
}

writer::CWizSheet &WriterWizardTest::startWizard(int standardCode,
                                                 const suiteapi::WorkstreeFunctions &workstree)
{
    // A fresh run: the settings as start-up leaves them.
    m_settings = writer::ExportSettings();
    m_settings.m_strKoujiFolder = QStringLiteral("D:\\shelf");
    m_settings.m_strCalsFolder = QStringLiteral("D:\\cals");
    m_settings.m_nStandardCode = standardCode;
    m_settings.m_strProgramFolder = QStringLiteral("P:\\");
    writer::applyStartValues(m_settings);
    m_suite.workstree = workstree;
    auto *sheet = new writer::CWizSheet(m_settings, m_suite);
    WizardTest::startWizard(sheet);
    return *sheet;
}

void WriterWizardTest::nextFromAlbums()
{
    next();
    // The page waits for the message workstree posted.
    QCoreApplication::sendPostedEvents();
}

void WriterWizardTest::chooseEmptyDestination()
{
    const QString folder = QStringLiteral("walk-out");
    makeFolder(folder);
    const QString photos = tempHostPath(QString::fromUtf16(photodb::FileName));
    if (!QFileInfo::exists(photos)) {
        ASSERT_TRUE(writePhotoDatabase(photos, {}));
    }
    enterText(writer::ids::destination::Folder, winPath(folder));
}

QList<int> WriterWizardTest::walkForward()
{
    QList<int> pages{currentPage()};
    for (;;) {
        if (currentPage() == writer::ids::albums::Template) {
            nextFromAlbums();
        } else {
            if (currentPage() == writer::ids::destination::Template)
                chooseEmptyDestination();
            next();
        }
        if (currentPage() == pages.back())
            return pages;
        pages.append(currentPage());
    }
}
