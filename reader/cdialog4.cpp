#include "cdialog4.h"

#include "readerids.h"
#include "readermessages.h"

#include "ui/controls.h"
#include "ui/dataexchange.h"
#include "ui/messagerules.h"
#include "ui/wizardsheet.h"
#include "ui_page134_albummethod.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace reader {

namespace {

const QString CountOutOfRange = QStringLiteral("1から800までの整数を入力してください。");

} // namespace

CDialog4::CDialog4(ImportSettings &settings, QWidget *parent)
    : ui::PropertyPage(ids::albummethod::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_ui(std::make_unique<Ui::Page134AlbumMethod>()),
      m_nCount(settings.m_nPhotoCount)
{
    m_ui->setupUi(this);
    for (QRadioButton *radio : {m_ui->byCountRadio, m_ui->byClassRadio})
        connect(radio, &QRadioButton::clicked, this, &CDialog4::onMethodClicked);
    for (QRadioButton *radio : levelRadios())
        connect(radio, &QRadioButton::clicked, this, &CDialog4::onLevelClicked);
    ui::onFocusLost(m_ui->countEdit, [this] { onCountFocusLost(); });
}

CDialog4::~CDialog4()
{
    // A box destroyed with the focus in it reports the loss from its own
    // destructor, when this page is gone: it loses it now, quietly.
    const QScopedValueRollback quiet(m_bCountBoxQuiet, true);
    m_ui->countEdit->clearFocus();
}

void CDialog4::doDataExchange(ui::DataExchange &exchange)
{
    exchange.integer(ids::albummethod::Count, m_nCount);
    exchange.check(ids::albummethod::ByCount, m_nByCount);
    exchange.check(ids::albummethod::ByClass, m_nByClass);
    for (int level = 0; level < MaxClassLevel; ++level)
        exchange.check(ids::albummethod::Level1 + level, m_anLevel[level]);
}

bool CDialog4::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    m_nByCount = m_settings.m_nAlbumType == AlbumsByCount ? 1 : 0;
    m_nByClass = m_nByCount == 1 ? 0 : 1;
    m_anLevel.fill(0);
    if (m_settings.m_nClassLevel >= MinClassLevel && m_settings.m_nClassLevel <= MaxClassLevel)
        m_anLevel[m_settings.m_nClassLevel - MinClassLevel] = 1;

    const bool byCount = m_nByCount == 1;
    m_ui->countLabel->setEnabled(byCount);
    m_ui->countEdit->setEnabled(byCount);
    for (QRadioButton *radio : levelRadios())
        radio->setEnabled(!byCount);
    updateData(false);
    return true;
}

int CDialog4::onWizardNext()
{
    if (m_nByCount != 1)
        return 0;
    // Enter presses Next with the focus still in the count box, before its
    // focus-loss handler has taken the count over: take it here, so that
    // the count checked is the one shown and the one written.
    if (!takeCount())
        return ui::WizardSheet::Stay;
    // Compared unsigned, so that negative counts are refused too.
    if (unsigned(m_nCount) > unsigned(MaxPhotosPerAlbum) || m_nCount == 0) {
        ui::showMessage(this, CountOutOfRange);
        m_ui->countEdit->setFocus();
        return ui::WizardSheet::Stay;
    }
    return 0;
}

int CDialog4::onWizardBack()
{
    return ids::photoinfo::Template;
}

void CDialog4::onMethodClicked()
{
    updateData(true);
    m_nByCount = ui::checkState(m_ui->byCountRadio);
    m_nByClass = ui::checkState(m_ui->byClassRadio);
    if (m_nByCount == 1) {
        m_settings.m_nAlbumType = AlbumsByCount;
        m_settings.m_nPhotoCount = m_nCount;
    } else {
        m_settings.m_nAlbumType = AlbumsByClassification;
    }
    onSetActive();
}

void CDialog4::onLevelClicked()
{
    updateData(true);
    const QList<QRadioButton *> radios = levelRadios();
    for (int level = 0; level < MaxClassLevel; ++level) {
        m_anLevel[level] = ui::checkState(radios.at(level));
        if (m_anLevel[level] == 1)
            m_settings.m_nClassLevel = MinClassLevel + level;
    }
    onSetActive();
}

void CDialog4::onCountFocusLost()
{
    // The focus also goes when the page is left or the wizard closes.
    if (m_bCountBoxQuiet || isHidden() || window()->isHidden())
        return;
    takeCount();
    onSetActive();
}

bool CDialog4::takeCount()
{
    const QScopedValueRollback quiet(m_bCountBoxQuiet, true);
    const bool valid = updateData(true);
    m_settings.m_nPhotoCount = m_nCount;
    return valid;
}

QList<QRadioButton *> CDialog4::levelRadios() const
{
    return {m_ui->level1Radio, m_ui->level2Radio, m_ui->level3Radio, m_ui->level4Radio,
            m_ui->level5Radio};
}

} // namespace reader
