#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page131ExtendedOptions;
}

namespace writer {

struct ExportSettings;

// Page 131: the output options with stylesheet, other delivery data and the
// hand-over to another delivery program.
class CDialog1B final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog1B(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog1B() override;

    bool onSetActive() override;

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page131ExtendedOptions> m_ui;
};

} // namespace writer
