#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page130BasicInfo;
}

namespace ui {
class ReportList;
}

namespace reader {

struct ImportSettings;

// Page 130: a standard delivery's basic and construction information, as
// DNXmlRead left it in GXTemp, laid out in two columns.
class CDialog2 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog2(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog2() override;

    bool onSetActive() override;
    int onWizardBack() override;

private:
    void fillList();
    ui::ReportList *list() const;

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page130BasicInfo> m_ui;
    // The columns keep the widths of their first filling until the user
    // goes back to choose another folder.
    bool m_bColumnsMade = false;
};

} // namespace reader
