#pragma once

#include "exportsettings.h"
#include "suitefunctions.h"

#include "suiteapi/workstreefunctions.h"

#include "wizardtest.h"

#include <QList>
#include <QRect>
#include <QString>

#include <memory>

namespace writer {
class CWizSheet;
}

// What the album page handed to workstree, and how the stand-in answers.
struct WorkstreeCalls
{
    int createWorksTree = 0;
    QString dataFolder;
    int shelfNumber = 0;
    QList<int> albumNumbers;
    QRect rectangle;
    QWidget *parentWindow = nullptr;
    int createPhotoMdb = 0;
    // Answers: the tree is created; the database holds photos; the other
    // data flag of the chosen bookshelf.
    bool treeCreated = true;
    bool hasPhotos = true;
    int otherData = 0;
};

// The export wizard under test with a stand-in for workstree that records
// its calls and posts the completion message as the library does.
class WriterWizardTest : public WizardTest
{
public:
    static WorkstreeCalls &workstree();

protected:
    void SetUp() override;

    writer::ExportSettings &settings() { return m_settings; }
    // The suite functions the wizard gets: workstree's are the recording
    // stand-in's, DNInfMake writes a GXTemp of one item; a test sets the
    // other worksdata and suitecommon functions it needs.
    writer::SuiteFunctions &suite() { return m_suite; }
    static suiteapi::WorkstreeFunctions workstreeFunctions();

    // The whole wizard for the code, with fresh settings as start-up sets
    // them, on its first page.
    writer::CWizSheet &startWizard(int standardCode);
    // The same with these workstree functions (the real library's, say).
    writer::CWizSheet &startWizard(int standardCode, const suiteapi::WorkstreeFunctions &workstree);
    // Next on the album page, and the completion message delivered.
    void nextFromAlbums();
    // On the destination page: an empty folder of the workspace, and an
    // empty photo database unless the test wrote one.
    void chooseEmptyDestination();
    // The template ids Next walks through from the current page to the
    // last, the album page's build included.
    QList<int> walkForward();

private:
    writer::ExportSettings m_settings;
    writer::SuiteFunctions m_suite;
};
