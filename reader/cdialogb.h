#pragma once

#include "ui/propertypage.h"

#include <memory>

namespace Ui {
class Page138Hierarchy;
}

namespace reader {

class CKaisouTree;
class FolderAlbumPlanner;
struct ImportSettings;

// Page 138: the album hierarchy of a government-building delivery. Shows
// the folder tree below the root folder, built once per delivery and
// edition, and on Next turns the ticked folders into planned albums.
class CDialogB : public ui::PropertyPage
{
    Q_OBJECT

public:
    explicit CDialogB(ImportSettings &settings, QWidget *parent = nullptr);
    ~CDialogB() override;

    // Builds the tree unless it is built already. When the build stopped
    // (a folder name too long, no template to copy) the page declines and
    // the version page shows instead.
    bool onSetActive() override;
    // Plans the albums: on to the import mode page when they hold photos,
    // else the page stays.
    int onWizardNext() override;

    CKaisouTree *tree() const;

private:
    ImportSettings &m_settings;
    std::unique_ptr<Ui::Page138Hierarchy> m_ui;
    std::unique_ptr<FolderAlbumPlanner> m_planner;
};

} // namespace reader
