#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page136Destination;
}

namespace writer {

struct ExportSettings;

// Page 136: the output folder and the split size.
class CDialog4 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog4(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog4() override;

    bool onSetActive() override;

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page136Destination> m_ui;
};

} // namespace writer
