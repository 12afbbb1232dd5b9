#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page141Summary;
}

namespace reader {

struct ImportSettings;

// Page 141: what the host application is going to do; Finish writes it
// down in G_INPUTXML.dat.
class CDialog10 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog10(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog10() override;

    bool onSetActive() override;
    int onWizardBack() override;
    bool onWizardFinish() override;

private:
    void fillSummary();

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page141Summary> m_ui;
    // The columns are sized once per run, at the first showing.
    bool m_bColumnsAdded = false;
};

} // namespace reader
