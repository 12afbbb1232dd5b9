#include "cwizsheet.h"

namespace reader {

CWizSheet::CWizSheet(ImportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
                     QWidget *parent)
    : ui::WizardSheet(parent),
      m_rootFolderPage(settings, worksdata),
      m_standardVersionPage(settings),
      m_hierarchyPage(settings),
      m_basicInfoPage(settings),
      m_photoInfoPage(settings),
      m_albumMethodPage(settings),
      m_importModePage(settings),
      m_summaryPage(settings)
{
    // The pages are members, destroyed with the sheet before its widgets
    // are: a page leaves its parent when destroyed, so none is deleted twice.
    for (ui::PropertyPage *page :
         std::initializer_list<ui::PropertyPage *>{&m_rootFolderPage, &m_standardVersionPage,
                                                   &m_hierarchyPage, &m_basicInfoPage,
                                                   &m_photoInfoPage, &m_albumMethodPage,
                                                   &m_importModePage, &m_summaryPage})
        addPage(page);
}

CWizSheet::~CWizSheet() = default;

} // namespace reader
