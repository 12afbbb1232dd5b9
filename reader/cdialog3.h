#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page136PhotoInfo;
}

namespace reader {

struct ImportSettings;

// Page 136: the photo information of a standard delivery.
class CDialog3 : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog3(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialog3() override;

    bool onSetActive() override;

private:
    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page136PhotoInfo> m_ui;
};

} // namespace reader
