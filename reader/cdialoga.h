#pragma once

#include "ui/propertypage.h"

#include <QString>

#include <memory>

namespace Ui {
class Page137RootFolder;
}

class QLineEdit;

namespace suiteapi {
struct WorksdataFunctions;
}

namespace reader {

struct ImportSettings;

// Page 137: the delivery root folder. Next classifies the folder and has
// worksdata read a standard delivery once per folder.
class CDialogA : public ui::PropertyPage
{
    Q_OBJECT

public:
    CDialogA(ImportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
             QWidget *parent = nullptr);
    ~CDialogA() override;

    bool onSetActive() override;
    int onWizardNext() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onFolderChanged();
    void onFolderFocusLost();
    void onBrowse();
    int readStandardDelivery(const QString &root, int planFlag);
    void reportMissingFolder();
    QLineEdit *folderEdit() const;

    ImportSettings &m_settings;
    const suiteapi::WorksdataFunctions &m_worksdata;
    std::unique_ptr<Ui::Page137RootFolder> m_ui;
    QString m_strFolder;
    // While set, the box's focus-loss check stays quiet: this page reports
    // a missing folder itself, or is going.
    bool m_bFolderCheckQuiet = false;
};

} // namespace reader
