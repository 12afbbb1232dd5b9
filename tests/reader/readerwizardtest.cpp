#include "readerwizardtest.h"

#include "cwizsheet.h"

#include "deliverygenerator.h"
#include "eizengenerator.h"
#include "platform/suitelibrary.h"
#include "platform/winpath.h"
#include "ui/controls.h"
#include "uitestsupport.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

struct RecordedWorksdata
{
    reader::WorksdataFunctions library;
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

const reader::WorksdataFunctions &loadedLibrary()
{
    static win::SuiteLibrary library;
    static std::optional<reader::WorksdataFunctions> functions;
    if (!functions) {
        library.load(QStringLiteral("P:\\worksdata.dll"));
        functions = reader::WorksdataFunctions::fromLibrary(library);
    }
    return *functions;
}

} // namespace

void PrintTo(const QString &text, std::ostream *stream)
{
    *stream << '"' << text.toStdString() << '"';
}

StandInPage::StandInPage(int templateId)
    : ui::PropertyPage(templateId, QString())
{
}

bool StandInPage::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return true;
}

FocusTakingAnswerer::FocusTakingAnswerer()
    : m_previous(ui::installAnswerer(this))
{
}

FocusTakingAnswerer::~FocusTakingAnswerer()
{
    ui::installAnswerer(m_previous);
}

int FocusTakingAnswerer::answerMessageBox(const ui::MessageBoxRequest &request)
{
    m_texts.append(request.text);
    if (QWidget *focus = QApplication::focusWidget()) {
        focus->clearFocus();
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return ui::defaultAnswer(request.buttons);
}

std::optional<QString> FocusTakingAnswerer::answerFolderBrowse(const ui::FolderBrowseRequest &)
{
    return std::nullopt;
}

std::optional<QString> FocusTakingAnswerer::answerSaveFile(const ui::SaveFileRequest &)
{
    return std::nullopt;
}

void ReaderWizardTest::SetUp()
{
    WorkspaceTest::SetUp();
    win::mapDrive(QLatin1Char('P'), QStringLiteral(TESSERA_PROGRAM_DIR));
    recorded() = RecordedWorksdata{loadedLibrary(), 0, {}, false};
    m_settings = std::make_unique<reader::ImportSettings>();
    m_settings->m_strDataRoot = QStringLiteral("D:\\shelves");
    m_settings->m_strProgramDir = QStringLiteral("P:\\");
}

void ReaderWizardTest::TearDown()
{
    m_sheet.reset();
    WorkspaceTest::TearDown();
}

reader::WorksdataFunctions ReaderWizardTest::worksdata()
{
    reader::WorksdataFunctions functions = recorded().library;
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

void ReaderWizardTest::startWizard(ui::WizardSheet *sheet)
{
    m_sheet.reset(sheet);
    ASSERT_TRUE(m_sheet->activateFirstPage());
    showActive(m_sheet.get());
}

int ReaderWizardTest::currentPage() const
{
    return m_sheet->currentPage() ? m_sheet->currentPage()->templateId() : 0;
}

QWidget *ReaderWizardTest::control(int controlId) const
{
    return m_sheet->findControl(controlId);
}

void ReaderWizardTest::enterText(int controlId, const QString &text)
{
    QWidget *box = control(controlId);
    ASSERT_TRUE(box) << controlId;
    box->setFocus(Qt::MouseFocusReason);
    ui::setControlText(box, text);
}

void ReaderWizardTest::click(int controlId)
{
    auto *button = qobject_cast<QAbstractButton *>(control(controlId));
    ASSERT_TRUE(button) << controlId;
    ui::clickAsUser(button);
}

void ReaderWizardTest::next()
{
    m_sheet->pressButton(ui::WizardSheet::NextButton);
}

void ReaderWizardTest::back()
{
    m_sheet->pressButton(ui::WizardSheet::BackButton);
}

void ReaderWizardTest::finish()
{
    m_sheet->pressButton(ui::WizardSheet::FinishButton);
}

QStringList ReaderWizardTest::takeMessages()
{
    QStringList texts;
    for (const ui::MessageBoxRequest &request : m_answerer.messageBoxes())
        texts.append(request.text);
    m_answerer.clearRecords();
    return texts;
}
