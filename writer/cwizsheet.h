#pragma once

#include "cdialog0a.h"
#include "cdialog1.h"
#include "cdialog1a.h"
#include "cdialog1b.h"
#include "cdialog2.h"
#include "cdialog3.h"
#include "cdialog4.h"
#include "cdialog9.h"

#include "ui/wizardsheet.h"

namespace writer {

struct ExportSettings;
struct SuiteFunctions;

// The export wizard. It holds every page object and adds the pages the
// standard code needs:
//     codes 4 and 28:   108 129 136 133
//     page-131 codes:   108 131 134 135 136 133
//     all other codes:  108 130 134 135 136 133
// and sets the start values of the options that depend on the options page.
class CWizSheet final : public ui::WizardSheet
{
    Q_OBJECT

public:
    CWizSheet(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent = nullptr);
    ~CWizSheet() override;

    CDialog0A &albumPage() { return m_albumPage; }

private:
    CDialog1 m_fileNamingPage;
    CDialog1A m_optionsPage;
    CDialog1B m_extendedOptionsPage;
    CDialog2 m_basicInfoPage;
    CDialog3 m_photoInfoPage;
    CDialog4 m_destinationPage;
    CDialog9 m_summaryPage;
    CDialog0A m_albumPage;
};

} // namespace writer
