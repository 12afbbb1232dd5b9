#pragma once

#include "cdialog10.h"
#include "cdialog2.h"
#include "cdialog3.h"
#include "cdialog4.h"
#include "cdialog7.h"
#include "cdialog9.h"
#include "cdialoga.h"
#include "cdialogb.h"

#include "ui/wizardsheet.h"

namespace suiteapi {
struct WorksdataFunctions;
}

namespace reader {

struct ImportSettings;

// The import wizard: its eight pages in the order that gives their
// default Next and Back neighbours. Each page chooses its successor
// itself, which makes the two routes
//     standard delivery:            137 130 136 134 133 141
//     government-building delivery: 137 142 138 133 141
class CWizSheet : public ui::WizardSheet
{
    Q_OBJECT

public:
    CWizSheet(ImportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
              QWidget *parent = nullptr);
    ~CWizSheet() override;

private:
    CDialogA m_rootFolderPage;
    CDialog7 m_standardVersionPage;
    CDialogB m_hierarchyPage;
    CDialog2 m_basicInfoPage;
    CDialog3 m_photoInfoPage;
    CDialog4 m_albumMethodPage;
    CDialog9 m_importModePage;
    CDialog10 m_summaryPage;
};

} // namespace reader
