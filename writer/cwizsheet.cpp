#include "cwizsheet.h"

#include "exportsettings.h"
#include "standardcodes.h"
#include "suitefunctions.h"

namespace writer {

CWizSheet::CWizSheet(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent)
    : ui::WizardSheet(parent),
      m_fileNamingPage(settings),
      m_optionsPage(settings),
      m_extendedOptionsPage(settings, suite),
      m_basicInfoPage(settings, suite.worksdata),
      m_photoInfoPage(settings),
      m_destinationPage(settings, suite),
      m_summaryPage(settings, suite.worksdata),
      m_albumPage(settings, suite.workstree)
{
    // The pages are members, destroyed with the sheet before its widgets
    // are: a page leaves its parent when destroyed, so none is deleted twice.
    addPage(&m_albumPage);
    settings.m_nJapaneseNames = 0;
    settings.m_nXmlOnly = 0;
    switch (standards::standardCode(settings.m_nStandardCode).optionsPage) {
    case standards::FileNamingPage:
        // The options keep their start values, though no page shows them.
        addPage(&m_fileNamingPage);
        addPage(&m_destinationPage);
        addPage(&m_summaryPage);
        return;
    case standards::ExtendedOptionsPage:
        addPage(&m_extendedOptionsPage);
        break;
    default:
        addPage(&m_optionsPage);
        break;
    }
    const int extended = standards::standardCode(settings.m_nStandardCode).optionsPage == standards::ExtendedOptionsPage;
    for (int *option : {&settings.m_nExtendedOptions, &settings.m_nStyleSheet,
                        &settings.m_nLaunchBrowser, &settings.m_nStyleSheetFormat})
        *option = extended;
    addPage(&m_basicInfoPage);
    addPage(&m_photoInfoPage);
    addPage(&m_destinationPage);
    addPage(&m_summaryPage);
}

CWizSheet::~CWizSheet() = default;

} // namespace writer
