#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page129FileNaming;
}

namespace writer {

struct ExportSettings;

// Page 129: the names of the image files of a government-building export,
// renamed to the serial names Pnnnnnnn.jpg or kept as the albums hold them.
class CDialog1 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog1(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog1() override;

    bool onSetActive() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onNamingClicked();
    // Shows the choice and offers Next once one is made.
    void showChoice();

    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page129FileNaming> m_ui;
    int m_nRename = 0;
    int m_nKeep = 0;
};

} // namespace writer
