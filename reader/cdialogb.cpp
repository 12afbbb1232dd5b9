#include "cdialogb.h"

#include "ckaisoutree.h"
#include "folderalbumplanner.h"
#include "importsettings.h"
#include "readerids.h"
#include "readermessages.h"

#include "ui/messagerules.h"
#include "ui/waitcursor.h"
#include "ui/wizardsheet.h"
#include "ui_page138_hierarchy.h"

namespace reader {

namespace {

constexpr QStringView NoPhotos = u"指定した階層に写真ファイルがないので、もう一度選択してください。";
constexpr QStringView TooManyAlbums = u"作成するアルバムが100個を超えるため、階層を指定し直してください。";
constexpr QStringView TooManyFolders =
    u"1つのアルバムのフォルダが100個を超えるため、階層を指定し直してください。";

} // namespace

CDialogB::CDialogB(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::hierarchy::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page138Hierarchy>())
{
    m_ui->setupUi(this);
    m_planner = std::make_unique<FolderAlbumPlanner>(m_settings, *tree());
}

CDialogB::~CDialogB() = default;

CKaisouTree *CDialogB::tree() const
{
    return m_ui->hierarchyTree;
}

bool CDialogB::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    tree()->setEnabled(true);
    tree()->show();
    tree()->setFocus();
    // Coming back keeps the user's ticks; the root folder and version pages
    // clear the flag so that a new delivery or edition is read afresh.
    if (m_settings.m_bTreeBuilt)
        return ui::PropertyPage::onSetActive();

    tree()->clear();
    updateData(false);
    {
        ui::WaitCursor wait;
        m_settings.m_nTreeError = 0;
        tree()->BuildFolderTree(m_settings);
    }
    m_settings.m_bTreeBuilt = true;
    if (m_settings.m_nTreeError == 1)
        return false;
    return ui::PropertyPage::onSetActive();
}

int CDialogB::onWizardNext()
{
    FolderAlbumPlanner::Result result;
    {
        ui::WaitCursor wait;
        result = m_planner->PlanFolderAlbums();
    }
    switch (result) {
    case FolderAlbumPlanner::Result::TooManyAlbums:
        ui::showMessage(this, TooManyAlbums.toString());
        return ui::WizardSheet::Stay;
    case FolderAlbumPlanner::Result::TooManyFolders:
        ui::showMessage(this, TooManyFolders.toString());
        return ui::WizardSheet::Stay;
    case FolderAlbumPlanner::Result::Planned:
        break;
    }
    if (m_settings.m_nPhotoCount != 0)
        return ids::importmode::Template;
    ui::showMessage(this, NoPhotos.toString());
    return ids::hierarchy::Template;
}

} // namespace reader
