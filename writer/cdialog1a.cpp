#include "cdialog1a.h"

#include "exportsettings.h"
#include "writerids.h"

#include "ui/controls.h"
#include "ui/wizardsheet.h"
#include "ui_page130_options.h"

namespace writer {

namespace {

// The agricultural design and completion standards and the NEXCO one take
// XML-only output as a formal delivery without asking the client, so the
// note advising it is not shown for them.
bool hidesFormalDeliveryNote(int code)
{
    constexpr int FirstAgriculturalCode = 70;
    constexpr int LastAgriculturalCode = 75;
    constexpr int NexcoCode = 8;
    return code == NexcoCode || (code >= FirstAgriculturalCode && code <= LastAgriculturalCode);
}

} // namespace

CDialog1A::CDialog1A(ExportSettings &settings, QWidget *parent)
    : OptionsPage(ids::options::Template, ids::options::StartMedia, settings, parent),
      m_ui(std::make_unique<Ui::Page130Options>())
{
    m_ui->setupUi(this);
    connectCommonControls(m_ui->startMediaEdit, m_ui->japaneseNamesCheck, m_ui->xmlOnlyCheck);
}

CDialog1A::~CDialog1A() = default;

void CDialog1A::showOptions()
{
    m_ui->formalDeliveryNote->setVisible(!hidesFormalDeliveryNote(m_settings.m_nStandardCode));
    showValidStartMedia();
}

int CDialog1A::onWizardNext()
{
    if (!takeOverAndCheckIdentifiers())
        return ui::WizardSheet::Stay;
    return ids::basicinfo::Template;
}

} // namespace writer
