#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page131ExtendedOptions;
}

namespace writer {

struct ExportSettings;
struct SuiteFunctions;

// Page 131: the output options with stylesheet, other delivery data and the
// hand-over to another delivery program.
class CDialog1B final : public ui::PropertyPage
{
    Q_OBJECT

public:
    CDialog1B(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent = nullptr);
    ~CDialog1B() override;

    void onInitDialog() override;
    bool onSetActive() override;
    int onWizardNext() override;
    int onWizardBack() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    // The activation without the framework's part.
    void showOptions();
    // The installed programs that can take the delivery data of the code.
    void listCooperators();
    void showOtherData();
    void onStartMediaChanged();
    void onJapaneseNamesClicked();
    void onXmlOnlyClicked();
    void onStyleSheetClicked();
    void onLaunchBrowserClicked();
    void onOtherDataClicked();
    void onCooperateClicked();
    void onCooperatorSelected(int index);
    void enableStyleSheetFormat(bool enable);
    // The first of the format buttons that is checked, if any.
    void recordStyleSheetFormat();

    ExportSettings &m_settings;
    const SuiteFunctions &m_suite;
    std::unique_ptr<Ui::Page131ExtendedOptions> m_ui;
    unsigned m_nStartMedia = 0;
    // Showing the activation sets the box, which raises its change handler.
    bool m_bShowing = false;
};

} // namespace writer
