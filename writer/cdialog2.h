#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page134BasicInfo;
}

namespace writer {

struct ExportSettings;

// Page 134: the basic and construction information the export will write,
// as DNInfMake leaves it in GXTemp.
class CDialog2 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog2(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog2() override;

    bool onSetActive() override;
    int onWizardBack() override;

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page134BasicInfo> m_ui;
};

} // namespace writer
