#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page142StandardVersion;
}

namespace reader {

struct ImportSettings;

// Page 142: which edition of the government-building standard the
// delivery follows.
class CDialog7 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog7(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog7() override;

    bool onSetActive() override;
    int onWizardNext() override;
    int onWizardBack() override;

private:
    void onEditionClicked();

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page142StandardVersion> m_ui;
};

} // namespace reader
