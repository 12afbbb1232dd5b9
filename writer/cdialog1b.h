#pragma once

#include "optionspage.h"

#include <memory>

namespace Ui {
class Page131ExtendedOptions;
}

namespace writer {

struct SuiteFunctions;

// Page 131: the output options with stylesheet, other delivery data and the
// hand-over to another delivery program.
class CDialog1B final : public OptionsPage
{
    Q_OBJECT

public:
    CDialog1B(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent = nullptr);
    ~CDialog1B() override;

    int onWizardNext() override;
    int onWizardBack() override;

private:
    void showOptions() override;
    // The installed programs that can take the delivery data of the code.
    void listCooperators();
    void showOtherData();
    void onStyleSheetClicked();
    void onLaunchBrowserClicked();
    void onOtherDataClicked();
    void onCooperateClicked();
    void onCooperatorSelected(int index);
    void enableStyleSheetFormat(bool enable);
    // The first of the format buttons that is checked, if any.
    void recordStyleSheetFormat();

    const SuiteFunctions &m_suite;
    std::unique_ptr<Ui::Page131ExtendedOptions> m_ui;
};

} // namespace writer
