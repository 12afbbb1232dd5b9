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

    void onInitDialog() override;
    bool onSetActive() override;
    int onWizardNext() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    // The activation without the framework's part.
    void showOptions();
    void onStartMediaChanged();
    void onJapaneseNamesClicked();
    void onXmlOnlyClicked();

    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page130Options> m_ui;
    unsigned m_nStartMedia = 0;
    // Showing the activation sets the box, which raises its change handler.
    bool m_bShowing = false;
};

} // namespace writer
