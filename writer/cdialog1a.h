#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page130Options;
}

namespace writer {

struct ExportSettings;

// Page 130: the output options of the standards without a stylesheet: start
// media number, Japanese file names, XML only.
class CDialog1A final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog1A(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog1A() override;

    bool onSetActive() override;
    int onWizardNext() override;

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page130Options> m_ui;
};

} // namespace writer
