#include "cdialog2.h"

#include "basicinfocells.h"
#include "basicinfofile.h"
#include "exportsettings.h"
#include "standardcodes.h"
#include "writerids.h"
#include "writermessages.h"

#include "gxtemp.h"
#include "gxtemplayout.h"
#include "suitemessages.h"
#include "ui/dialogs.h"
#include "ui/messagerules.h"
#include "ui/reportlist.h"
#include "ui/wizardsheet.h"
#include "ui_page134_basicinfo.h"

#include <QColor>
#include <QPushButton>

#include <array>

namespace writer {

namespace {

const QString SectionEndLabel = QStringLiteral("出力形式");
// Pixels added to the widest label's and value's widths for the columns.
constexpr int LabelColumnMargin = 30;
constexpr int ValueColumnMargin = 45;
// The save button: its left edge, and how much wider than Cancel it is.
constexpr int SaveButtonLeft = 30;
constexpr int SaveButtonExtraWidth = 50;
// Backgrounds of the label cell for the row colours 1 to 4; the value cell
// of a coloured row is white.
const std::array<QColor, basicinfo::WarningColour> LabelBackgrounds{
    QColor(0, 255, 64), QColor(0, 235, 235), QColor(220, 220, 0), QColor(255, 0, 0)};
const QColor ColouredRowValueBackground(255, 255, 255);
// Strings handed to DNInfMake are copies of at most this many characters.
constexpr int ArgumentChars = 259;

// A terminated copy of at most ArgumentChars characters.
std::array<char16_t, ArgumentChars + 1> argumentCopy(const QString &text)
{
    std::array<char16_t, ArgumentChars + 1> copy{};
    const qsizetype length = std::min<qsizetype>(text.size(), ArgumentChars);
    std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), length, copy.begin());
    return copy;
}

QString terminatedText(const char16_t *buffer, qsizetype capacity)
{
    qsizetype length = 0;
    while (length < capacity && buffer[length] != u'\0')
        ++length;
    return QString::fromUtf16(buffer, length);
}

} // namespace

CDialog2::CDialog2(ExportSettings &settings, const suiteapi::WorksdataFunctions &worksdata,
                   QWidget *parent)
    : ui::PropertyPage(ids::basicinfo::Template, msg::WizardCaption.toString(), parent),
      m_settings(settings),
      m_worksdata(worksdata),
      m_ui(std::make_unique<Ui::Page134BasicInfo>())
{
    m_ui->setupUi(this);
}

CDialog2::~CDialog2() = default;

bool CDialog2::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    if (!makeInformation()) {
        setWizardButtons(ui::WizardSheet::Back);
        ui::showMessage(this, msg::InfoMakeFailed.toString());
        return ui::PropertyPage::onSetActive();
    }
    m_settings.m_strRowColors.clear();
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    list()->deleteAllItems();
    if (fillList()) {
        QPushButton *save = sheet()->addPageButton(this, msg::SaveInfoButton.toString(),
                                                   ids::basicinfo::SaveButton, SaveButtonLeft,
                                                   SaveButtonExtraWidth);
        connect(save, &QPushButton::clicked, this, &CDialog2::onSaveClicked);
    }
    update();
    return ui::PropertyPage::onSetActive();
}

int CDialog2::onWizardNext()
{
    sheet()->removePageButton(ids::basicinfo::SaveButton);
    return 0;
}

int CDialog2::onWizardBack()
{
    m_bColumnsMade = false;
    sheet()->removePageButton(ids::basicinfo::SaveButton);
    // Without the stylesheet option the options page of the sequence is
    // 130 or 131.
    if (m_settings.m_nStyleSheet == 0)
        return standards::SimpleOptionsPage + m_settings.m_nExtendedOptions;
    return 0;
}

bool CDialog2::makeInformation()
{
    if (!m_worksdata.dnInfMake)
        return false;
    const auto koujiFolder = argumentCopy(m_settings.m_strKoujiFolder);
    const auto arg6 = argumentCopy(m_settings.m_strArg6);
    const auto arg7 = argumentCopy(m_settings.m_strArg7);
    const auto arg9 = argumentCopy(m_settings.m_strArg9);
    const auto cals = argumentCopy(m_settings.m_strCalsFolder + QStringLiteral("\\CALS.mdb"));
    std::array<char16_t, TekiyouBufferSize> tekiyou{};
    std::array<char16_t, OtherDataFlagBufferSize> otherDataFlag{};
    const int made = m_worksdata.dnInfMake(
        koujiFolder.data(), m_settings.m_nStandardCode, 0, arg6.data(), arg7.data(),
        m_settings.m_nArg4, tekiyou.data(), m_settings.m_nOtherData != 0 ? cals.data() : nullptr,
        arg9.data(), m_settings.m_nJapaneseNames == 1 ? 1 : 0, otherDataFlag.data());
    if (made == 0)
        return false;
    m_settings.m_szTekiyou = terminatedText(tekiyou.data(), tekiyou.size());
    m_settings.m_szOthrsDataCreateFlag = terminatedText(otherDataFlag.data(), otherDataFlag.size());
    return true;
}

bool CDialog2::fillList()
{
    ui::ReportList *view = list();
    GXTemp file(SectionEndLabel);
    if (!file.open()) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(GXTemp::path()));
        return false;
    }
    const gxtemplayout::Widest widest =
        gxtemplayout::measure(file, [view](const QString &text) { return view->textWidth(text); });
    file.close();

    if (!m_bColumnsMade) {
        view->deleteAllColumns();
        view->insertColumn(0, widest.label, Qt::AlignLeft,
                           view->textWidth(widest.label) + LabelColumnMargin);
        view->insertColumn(1, widest.value, Qt::AlignLeft,
                           view->textWidth(widest.value) + ValueColumnMargin);
        m_bColumnsMade = true;
    }

    if (!file.open()) {
        ui::showMessage(this, suitemsg::FileOpenFailed.arg(GXTemp::path()));
        return false;
    }
    const qsizetype limit = widest.value.size();
    QList<QStringList> rows;
    GXTemp::Line line;
    while (file.readLine(&line))
        gxtemplayout::appendRows(line, limit, rows);
    addRows(rows);
    if (file.hasReadError())
        ui::showMessage(this, suitemsg::GXTempReadError.toString());
    file.close();
    return true;
}

void CDialog2::addRows(const QList<QStringList> &rows)
{
    ui::ReportList *view = list();
    ui::ReportList::BulkLoad load(view);
    for (const QStringList &cells : rows) {
        const int row = view->insertItem(view->itemCount(), basicinfo::labelCell(cells.at(0)));
        const basicinfo::ValueCell value = basicinfo::valueCell(cells.at(1));
        view->setItemText(row, 1, value.text);
        if (value.colour != basicinfo::NoColour) {
            view->setCellColors(row, 0, QColor(), LabelBackgrounds.at(value.colour - 1));
            view->setCellColors(row, 1, QColor(), ColouredRowValueBackground);
        }
        m_settings.m_strRowColors += basicinfo::rowColourEntry(value.colour);
    }
}

void CDialog2::onSaveClicked()
{
    const QString desktop = basicinfo::desktopFolder();
    if (desktop.isEmpty())
        return;
    ui::SaveFileRequest request;
    request.title = msg::SaveInfoTitle.toString();
    request.initialFolder = desktop;
    request.fileName = basicinfo::SaveFileName.toString();
    request.filters = {msg::TextFileFilter.toString(), msg::AllFilesFilter.toString()};
    request.defaultExtension = QStringLiteral("txt");
    const std::optional<QString> target = ui::saveFileName(this, request);
    if (!target)
        return;
    // A target that cannot be created is left alone without a word.
    basicinfo::writeUtf16File(*target, basicinfo::markerFreeText(GXTemp::path()));
}

ui::ReportList *CDialog2::list() const
{
    return m_ui->infoList;
}

} // namespace writer
