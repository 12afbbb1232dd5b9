#pragma once

#include "importsettings.h"

#include "ui/propertypage.h"

#include <array>
#include <memory>

class QRadioButton;

namespace Ui {
class Page134AlbumMethod;
}

namespace reader {

// Page 134: how a standard delivery's photos are spread over albums, by a
// number of photos per album or by their classification down to a depth.
class CDialog4 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog4(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog4() override;

    bool onSetActive() override;
    int onWizardNext() override;
    int onWizardBack() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onMethodClicked();
    void onLevelClicked();
    void onCountFocusLost();
    // Takes the controls' values over and the count into the settings;
    // false when the box holds no integer (after the framework's message).
    bool takeCount();
    QList<QRadioButton *> levelRadios() const;

    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page134AlbumMethod> m_ui;
    int m_nCount;
    int m_nByCount = 0;
    int m_nByClass = 0;
    std::array<int, MaxClassLevel> m_anLevel{};
    // While set, the count box's focus loss takes nothing over: a message
    // box of the exchange took the focus, or the page is going.
    bool m_bCountBoxQuiet = false;
};

} // namespace reader
