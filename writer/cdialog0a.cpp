#include "cdialog0a.h"

#include "albumlistfile.h"
#include "exportsettings.h"
#include "standardcodes.h"
#include "writerids.h"
#include "writermessages.h"

#include "suiteapi/pathbuffer.h"
#include "suiteapi/workstreefunctions.h"
#include "ui/dialogs.h"
#include "ui/messagerules.h"
#include "ui/windowmessage.h"
#include "ui/wizardsheet.h"
#include "ui_page108_albums.h"

#include <QGuiApplication>
#include <QScreen>

namespace writer {

namespace {

const QString TreeNotCreated = QStringLiteral("ツリービューが作成できません。");
const QString NoPhotoCaption = QStringLiteral("Tessera　Orbis");
const QString NoPhotos = QStringLiteral("工事写真が１枚も登録されていません");
const QString NoPhotoInformation = QStringLiteral("工事写真情報が１件も登録されていません");

// Up to this resolution the tree has a fixed place; above it, it follows
// the page's size.
constexpr int StandardDpi = 96;
constexpr QRect FixedTreeRectangle(QPoint(48, 60), QPoint(720, 448));
constexpr int ScaledLeft = 52;
constexpr int ScaledTop = 80;
constexpr int ScaledRightMargin = 65;
constexpr int ScaledBottomMargin = 80;

int screenLogicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : StandardDpi;
}

} // namespace

CDialog0A::CDialog0A(ExportSettings &settings, const suiteapi::WorkstreeFunctions &workstree,
                     QWidget *parent)
    : ui::PropertyPage(ids::albums::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_workstree(workstree),
      m_ui(std::make_unique<Ui::Page108Albums>()),
      m_logicalDpi(screenLogicalDpi)
{
    m_ui->setupUi(this);
}

CDialog0A::~CDialog0A() = default;

void CDialog0A::setLogicalDpi(LogicalDpi dpi)
{
    m_logicalDpi = std::move(dpi);
}

QRect CDialog0A::treeRectangle(int logicalDpi) const
{
    if (logicalDpi <= StandardDpi)
        return FixedTreeRectangle;
    // Windows' rectangles end one past their last pixel: right and bottom
    // are the page's size less the margins.
    return QRect(QPoint(ScaledLeft, ScaledTop),
                 QPoint(width() - ScaledRightMargin, height() - ScaledBottomMargin));
}

bool CDialog0A::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Next);
    // Every visit builds the database again for the selection as it then
    // stands.
    m_bReady = false;
    if (m_settings.m_nTreeCreated != 1)
        createTree();
    return ui::PropertyPage::onSetActive();
}

void CDialog0A::createTree()
{
    const AlbumList list = readAlbumList(albumListPath());
    const suiteapi::PathBuffer dataDir = suiteapi::toPathBuffer(list.dataDir);
    const QRect rectangle = treeRectangle(m_logicalDpi());
    const int created = m_workstree.createWorksTree(
        dataDir.data(), list.selectedShelf, list.albums.constData(), int(list.albums.size()),
        rectangle.left(), rectangle.top(), rectangle.right(), rectangle.bottom(), this, 0);
    if (created == 0)
        ui::showMessage(this, TreeNotCreated);
    // One attempt per run, whether or not the tree came.
    m_settings.m_nTreeCreated = 1;
}

int CDialog0A::onWizardNext()
{
    if (m_bReady)
        return 0;
    // The wizard waits for workstree's message; nothing may be pressed
    // meanwhile.
    sheet()->setEnabled(false);
    m_workstree.createPhotoMdb();
    return ui::WizardSheet::Stay;
}

bool CDialog0A::event(QEvent *event)
{
    if (event->type() == ui::WindowMessage::eventType()) {
        const auto *message = static_cast<const ui::WindowMessage *>(event);
        if (message->message() == PhotoMdbBuilt) {
            onPhotoMdbBuilt(message->wParam() != 0);
            return true;
        }
    }
    return ui::PropertyPage::event(event);
}

void CDialog0A::onPhotoMdbBuilt(bool hasPhotos)
{
    ui::WizardSheet *wizard = sheet();
    wizard->setEnabled(true);
    wizard->raise();
    wizard->activateWindow();
    if (!hasPhotos) {
        ui::messageBox(this,
                       standards::isGovernmentBuildingCode(m_settings.m_nStandardCode) ? NoPhotos
                                                                             : NoPhotoInformation,
                       NoPhotoCaption, ui::Buttons::Ok, ui::Icon::Warning);
        return;
    }
    m_settings.m_nOtherData = m_workstree.getOtherData();
    m_bReady = true;
    wizard->pressButton(ui::WizardSheet::NextButton);
}

} // namespace writer
