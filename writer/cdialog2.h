#pragma once

#include "suiteapi/worksdatafunctions.h"
#include "ui/propertypage.h"

#include <memory>

class QPushButton;

namespace Ui {
class Page134BasicInfo;
}

namespace ui {
class ReportList;
}

namespace writer {

struct ExportSettings;

// Page 134: the basic and construction information the export will write,
// as DNInfMake leaves it in GXTemp.
class CDialog2 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    CDialog2(ExportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
             QWidget *parent = nullptr);
    ~CDialog2() override;

    bool onSetActive() override;
    int onWizardNext() override;
    int onWizardBack() override;

private:
    // DNInfMake with the settings; false when it failed.
    bool makeInformation();
    // Both passes over GXTemp; false when the file cannot be opened.
    bool fillList();
    void addRows(const QList<QStringList> &rows);
    void onSaveClicked();
    ui::ReportList *list() const;

    ExportSettings &m_settings;
    const suiteapi::WorksdataFunctions &m_worksdata;
    std::unique_ptr<Ui::Page134BasicInfo> m_ui;
    // The columns are made again only after the user left by Back.
    bool m_bColumnsMade = false;
};

} // namespace writer
