#pragma once

#include "optionspage.h"

#include <memory>

namespace Ui {
class Page130Options;
}

namespace writer {

// Page 130: the output options of the standards without a stylesheet: start
// media number, Japanese file names, XML only.
class CDialog1A final : public OptionsPage
{
    Q_OBJECT

public:
    explicit CDialog1A(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog1A() override;

    int onWizardNext() override;

private:
    void showOptions() override;

    std::unique_ptr<Ui::Page130Options> m_ui;
};

} // namespace writer
