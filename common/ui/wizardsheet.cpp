#include "wizardsheet.h"

#include "controls.h"
#include "dialogunits.h"
#include "propertypage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <utility>

namespace ui {

namespace {

constexpr int BackButtonId = 12323;    // ID_WIZBACK
constexpr int NextButtonId = 12324;    // ID_WIZNEXT
constexpr int FinishButtonId = 12325;  // ID_WIZFINISH
constexpr int CancelButtonId = 2;      // IDCANCEL
// Wizard buttons measure 50 x 14 dialog units.
const QSize ButtonUnits(50, 14);

QPushButton *makeButton(const QString &text, int controlId, const QSize &size)
{
    auto *button = new QPushButton(text);
    setControlId(button, controlId);
    button->setFixedSize(size);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

WizardSheet::WizardSheet(QWidget *parent)
    : QDialog(parent)
    , m_stack(new QStackedWidget)
{
    const QSize buttonSize = dialogUnitsToPixels(ButtonUnits, font());
    m_backButton = makeButton(QStringLiteral("< 戻る(&B)"), BackButtonId, buttonSize);
    m_nextButton = makeButton(QStringLiteral("次へ(&N) >"), NextButtonId, buttonSize);
    m_finishButton = makeButton(QStringLiteral("完了"), FinishButtonId, buttonSize);
    m_cancelButton = makeButton(QStringLiteral("キャンセル"), CancelButtonId, buttonSize);
    connect(m_backButton, &QPushButton::clicked, this, [this] { navigate(-1); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { navigate(+1); });
    connect(m_finishButton, &QPushButton::clicked, this, &WizardSheet::finish);
    connect(m_cancelButton, &QPushButton::clicked, this, &WizardSheet::reject);

    auto *separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->setSpacing(0);
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_nextButton);
    buttons->addWidget(m_finishButton);
    buttons->addSpacing(buttonSize.height() / 2);
    buttons->addWidget(m_cancelButton);

    // As a property sheet: as large as its largest page, not resizable.
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_stack, 1);
    layout->addWidget(separator);
    layout->addLayout(buttons);

    setWizardButtons(0);
}

WizardSheet::~WizardSheet() = default;

void WizardSheet::addPage(PropertyPage *page)
{
    m_pages.append(page);
    m_stack->addWidget(page);
}

int WizardSheet::pageCount() const
{
    return int(m_pages.size());
}

PropertyPage *WizardSheet::page(int index) const
{
    return m_pages.value(index);
}

PropertyPage *WizardSheet::pageByTemplate(int templateId) const
{
    return m_pages.value(indexOfTemplate(templateId));
}

PropertyPage *WizardSheet::currentPage() const
{
    return m_pages.value(m_current);
}

void WizardSheet::setWizardButtons(int buttons)
{
    m_buttons = buttons;
    const bool finish = buttons & Finish;
    m_backButton->setEnabled(buttons & Back);
    QPushButton *shown = finish ? m_finishButton : m_nextButton;
    QPushButton *replaced = finish ? m_nextButton : m_finishButton;
    shown->show();
    shown->setEnabled(finish || (buttons & Next));
    // The focus follows to the button in the same place rather than
    // jumping on to Cancel.
    if (replaced->hasFocus())
        shown->setFocus();
    replaced->setEnabled(false);
    replaced->hide();
    shown->setDefault(true);
}

void WizardSheet::pressButton(Button which)
{
    clickAsUser(button(which));
}

QPushButton *WizardSheet::button(Button which) const
{
    switch (which) {
    case BackButton:
        return m_backButton;
    case NextButton:
        return m_nextButton;
    case FinishButton:
        return m_finishButton;
    case CancelButton:
        return m_cancelButton;
    }
    return m_cancelButton;
}

QWidget *WizardSheet::findControl(int controlId) const
{
    if (QWidget *control = ui::findControl(currentPage(), controlId))
        return control;
    for (QPushButton *button : {m_backButton, m_nextButton, m_finishButton, m_cancelButton}) {
        if (ui::controlId(button) == controlId)
            return button;
    }
    for (const PageButton &entry : m_pageButtons) {
        if (ui::controlId(entry.button) == controlId)
            return entry.button;
    }
    return nullptr;
}

QPushButton *WizardSheet::addPageButton(PropertyPage *owner, const QString &text, int controlId,
                                        int left, int extraWidth)
{
    removePageButton(controlId);
    auto *button = new QPushButton(text, this);
    setControlId(button, controlId);
    button->setFont(m_cancelButton->font());
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(false);
    const QRect cancel = m_cancelButton->geometry();
    button->setGeometry(left, cancel.top(), cancel.width() + extraWidth, cancel.height());
    // Tab reaches it after Cancel, as the last window created.
    setTabOrder(m_cancelButton, button);
    button->show();
    m_pageButtons.append({owner, button});
    return button;
}

void WizardSheet::removePageButton(int controlId)
{
    for (qsizetype i = 0; i < m_pageButtons.size(); ++i) {
        if (ui::controlId(m_pageButtons.at(i).button) == controlId) {
            delete m_pageButtons.takeAt(i).button;
            return;
        }
    }
}

void WizardSheet::removePageButtonsExcept(const PropertyPage *owner)
{
    for (qsizetype i = m_pageButtons.size() - 1; i >= 0; --i) {
        if (m_pageButtons.at(i).owner != owner)
            delete m_pageButtons.takeAt(i).button;
    }
}

bool WizardSheet::activateFirstPage()
{
    m_current = -1;
    return activateFrom(0, +1);
}

int WizardSheet::exec()
{
    if (!activateFirstPage())
        return CancelResult;
    return QDialog::exec();
}

void WizardSheet::reject()
{
    done(CancelResult);
}

void WizardSheet::navigate(int direction)
{
    PropertyPage *current = currentPage();
    if (!current)
        return;
    const int result = direction > 0 ? current->onWizardNext() : current->onWizardBack();
    if (result == Stay)
        return;
    // No neighbour that way, or an id no page has: stay, as Windows does.
    const int target = result == 0 ? m_current + direction : indexOfTemplate(result);
    if (target < 0 || target >= m_pages.size())
        return;
    if (!current->onKillActive())
        return;
    activateFrom(target, direction);
}

void WizardSheet::finish()
{
    if (PropertyPage *current = currentPage(); current && current->onWizardFinish())
        done(FinishResult);
}

bool WizardSheet::activateFrom(int index, int direction)
{
    for (int i = index; i >= 0 && i < m_pages.size(); i += direction) {
        if (activate(i))
            return true;
        // A page that named the one to show instead is not passed over;
        // that page itself is shown only if it accepts.
        if (const int instead = std::exchange(m_pages.at(i)->m_declinedFor, 0); instead != 0) {
            const int target = indexOfTemplate(instead);
            if (target < 0)
                return false;
            if (activate(target))
                return true;
            m_pages.at(target)->m_declinedFor = 0;
            return false;
        }
    }
    return false;
}

bool WizardSheet::activate(int index)
{
    PropertyPage *candidate = m_pages.at(index);
    if (!m_initializedPages.contains(candidate)) {
        m_initializedPages.append(candidate);
        candidate->onInitDialog();
    }
    if (!candidate->onSetActive())
        return false;
    m_current = index;
    removePageButtonsExcept(candidate);
    m_stack->setCurrentWidget(candidate);
    setWindowTitle(candidate->caption());
    return true;
}

int WizardSheet::indexOfTemplate(int templateId) const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i)->templateId() == templateId)
            return i;
    }
    return -1;
}

} // namespace ui
