#include "readerwizardtest.h"

#include "cwizsheet.h"

#include "deliverygenerator.h"
#include "eizengenerator.h"
#include "platform/suitelibrary.h"
#include "platform/winpath.h"

namespace {

struct RecordedWorksdata
{
    suiteapi::WorksdataFunctions library;
    int dnXmlReadCalls = 0;
    QStringList roots;
    bool refuse = false;
};

RecordedWorksdata &recorded()
{
    static RecordedWorksdata worksdata;
    return worksdata;
}

int countedDnXmlRead(const char16_t *root, int planFlag)
{
    RecordedWorksdata &worksdata = recorded();
    ++worksdata.dnXmlReadCalls;
    worksdata.roots.append(QString::fromUtf16(root));
    if (worksdata.refuse)
        return 0;
    return worksdata.library.dnXmlRead(root, planFlag);
}

const suiteapi::WorksdataFunctions &loadedLibrary()
{
    static win::SuiteLibrary library;
    static std::optional<suiteapi::WorksdataFunctions> functions;
    if (!functions) {
        library.load(QStringLiteral("P:\\worksdata.dll"));
        functions = suiteapi::WorksdataFunctions::fromLibrary(library);
    }
    return *functions;
}

} // namespace

void ReaderWizardTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    recorded() = RecordedWorksdata{loadedLibrary(), 0, {}, false};
    m_settings = std::make_unique<reader::ImportSettings>();
    m_settings->m_strDataRoot = QStringLiteral("D:\\shelves");
    m_settings->m_strProgramDir = QStringLiteral("P:\\");
}

suiteapi::WorksdataFunctions ReaderWizardTest::worksdata()
{
    suiteapi::WorksdataFunctions functions = recorded().library;
    functions.dnXmlRead = countedDnXmlRead;
    return functions;
}

int ReaderWizardTest::dnXmlReadCalls()
{
    return recorded().dnXmlReadCalls;
}

QStringList ReaderWizardTest::dnXmlReadRoots()
{
    return recorded().roots;
}

void ReaderWizardTest::refuseDnXmlRead(bool refuse)
{
    recorded().refuse = refuse;
}

void ReaderWizardTest::generateDelivery(const QString &relative, int photos)
{
    DeliveryOptions options;
    options.photos = photos;
    DeliveryGenerator generator(options);
    ASSERT_TRUE(generator.generate(hostPath(relative))) << generator.errorText().toStdString();
}

void ReaderWizardTest::generateEizen(const QString &relative, int photos)
{
    EizenOptions options;
    options.photos = photos;
    EizenGenerator generator(options);
    ASSERT_TRUE(generator.generate(hostPath(relative))) << generator.errorText().toStdString();
}

reader::CWizSheet &ReaderWizardTest::startWizard()
{
    m_worksdata = worksdata();
    auto *sheet = new reader::CWizSheet(*m_settings, m_worksdata);
    startWizard(sheet);
    return *sheet;
}
