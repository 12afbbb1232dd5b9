#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page133ImportMode;
}

namespace reader {

struct ImportSettings;

// Page 133: a new bookshelf (in a proposed or chosen folder that is empty
// or new) or reference only.
class CDialog9 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog9(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog9() override;

    bool onSetActive() override;
    int onWizardNext() override;
    int onWizardBack() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onModeClicked();
    void onFolderChanged();
    void onBrowse();
    void proposeFolder();
    // Whether the typed folder may take the new bookshelf; refusals are
    // reported with the focus put back.
    bool acceptShelfFolder();
    bool createShelfFolder(const QString &path);

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page133ImportMode> m_ui;
};

} // namespace reader
