#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page133Summary;
}

namespace suiteapi {
struct WorksdataFunctions;
}

namespace writer {

struct ExportSettings;

// Page 133: the summary of the export; Finish writes G_OUTPUTXML.dat.
class CDialog9 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    CDialog9(ExportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
             QWidget *parent = nullptr);
    ~CDialog9() override;

    bool onSetActive() override;
    bool onWizardFinish() override;

private:
    void fillSummary();
    // Codes 4 and 28: DNErrInfMake4 on the bookshelf's KOUJI.XML.
    void makeErrorInformation();

    ExportSettings &m_settings;
    const suiteapi::WorksdataFunctions &m_worksdata;
    std::unique_ptr<Ui::Page133Summary> m_ui;
    // The columns are sized once per run, at the first showing.
    bool m_bColumnsAdded = false;
};

} // namespace writer
