#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page133Summary;
}

namespace writer {

struct ExportSettings;

// Page 133: the summary of the export; Finish writes G_OUTPUTXML.dat.
class CDialog9 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialog9(ExportSettings &settings, QWidget *parent = nullptr);
    ~CDialog9() override;

    bool onSetActive() override;

private:
    ExportSettings &m_settings;
    std::unique_ptr<Ui::Page133Summary> m_ui;
};

} // namespace writer
