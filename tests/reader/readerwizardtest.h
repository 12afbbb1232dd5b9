#pragma once

#include "importsettings.h"

#include "suiteapi/worksdatafunctions.h"

#include "wizardtest.h"

#include <memory>

namespace reader {
class CWizSheet;
}

// The import wizard under test. worksdata is the built library (the
// program folder is drive P:), with DNXmlRead counted and refused when a
// test asks.
class ReaderWizardTest : public WizardTest
{
protected:
    void SetUp() override;

    // Settings as start-up leaves them for the arguments D:\shelves 0 0.
    reader::ImportSettings &settings() { return *m_settings; }
    static suiteapi::WorksdataFunctions worksdata();

    // DNXmlRead calls since the test began, with the roots handed over.
    static int dnXmlReadCalls();
    static QStringList dnXmlReadRoots();
    static void refuseDnXmlRead(bool refuse);

    // A standard delivery (MLIT, Shift_JIS) of a few photos in this folder.
    void generateDelivery(const QString &relative, int photos = 3);
    // A government-building folder tree.
    void generateEizen(const QString &relative, int photos = 6);

    // The whole wizard on its first page; WizardTest::startWizard for
    // wizards made of some of the pages only.
    reader::CWizSheet &startWizard();
    using WizardTest::startWizard;

private:
    std::unique_ptr<reader::ImportSettings> m_settings;
    // The pages keep a reference to the functions.
    suiteapi::WorksdataFunctions m_worksdata;
};
