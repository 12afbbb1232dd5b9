#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page136Destination;
}

namespace writer {

struct ExportSettings;
struct SuiteFunctions;

// Page 136: the output folder and the split size. Next checks the folder
// (syntax, writability, existence with the offer to create it, emptiness),
// the length of every photo's output path, and the split size.
class CDialog4 final : public ui::PropertyPage
{
    Q_OBJECT

public:
    CDialog4(ExportSettings &settings, const SuiteFunctions &suite, QWidget *parent = nullptr);
    ~CDialog4() override;

    bool onSetActive() override;
    int onWizardNext() override;

protected:
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    void onFolderChanged();
    void onSplitSizeChanged();
    void onBrowse();

    bool checkFolderSyntax();
    // The folder exists, or the user had it made.
    bool offerFolderCreation();
    bool checkPhotoPathLengths();

    ExportSettings &m_settings;
    const SuiteFunctions &m_suite;
    std::unique_ptr<Ui::Page136Destination> m_ui;
    unsigned m_nSplitSize;
    QString m_strFolder;
};

} // namespace writer
