#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page138Hierarchy;
}

namespace reader {

struct ImportSettings;

// Page 138: the album hierarchy of a government-building delivery.
class CDialogB : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialogB(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialogB() override;

    bool onSetActive() override;

private:
    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page138Hierarchy> m_ui;
};

} // namespace reader
