#include "wizardtest.h"

#include "uitestsupport.h"

#include "ui/controls.h"

#include <QAbstractButton>
#include <QApplication>

StandInPage::StandInPage(int templateId)
    : ui::PropertyPage(templateId, QString())
{
}

bool StandInPage::onSetActive()
{
    setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
    return true;
}

FocusTakingAnswerer::FocusTakingAnswerer()
    : m_previous(ui::installAnswerer(this))
{
}

FocusTakingAnswerer::~FocusTakingAnswerer()
{
    ui::installAnswerer(m_previous);
}

int FocusTakingAnswerer::answerMessageBox(const ui::MessageBoxRequest &request)
{
    m_texts.append(request.text);
    if (QWidget *focus = QApplication::focusWidget()) {
        focus->clearFocus();
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return ui::defaultAnswer(request.buttons);
}

std::optional<QString> FocusTakingAnswerer::answerFolderBrowse(const ui::FolderBrowseRequest &)
{
    return std::nullopt;
}

std::optional<QString> FocusTakingAnswerer::answerSaveFile(const ui::SaveFileRequest &)
{
    return std::nullopt;
}

void WizardTest::TearDown()
{
    m_sheet.reset();
    WorkspaceTest::TearDown();
}

void WizardTest::startWizard(ui::WizardSheet *sheet)
{
    m_sheet.reset(sheet);
    ASSERT_TRUE(m_sheet->activateFirstPage());
    showActive(m_sheet.get());
}

int WizardTest::currentPage() const
{
    return m_sheet->currentPage() ? m_sheet->currentPage()->templateId() : 0;
}

QWidget *WizardTest::control(int controlId) const
{
    return m_sheet->findControl(controlId);
}

void WizardTest::enterText(int controlId, const QString &text)
{
    QWidget *box = control(controlId);
    ASSERT_TRUE(box) << controlId;
    box->setFocus(Qt::MouseFocusReason);
    ui::setControlText(box, text);
}

void WizardTest::click(int controlId)
{
    auto *button = qobject_cast<QAbstractButton *>(control(controlId));
    ASSERT_TRUE(button) << controlId;
    ui::clickAsUser(button);
}

void WizardTest::next()
{
    m_sheet->pressButton(ui::WizardSheet::NextButton);
}

void WizardTest::back()
{
    m_sheet->pressButton(ui::WizardSheet::BackButton);
}

void WizardTest::finish()
{
    m_sheet->pressButton(ui::WizardSheet::FinishButton);
}

QStringList WizardTest::takeMessages()
{
    QStringList texts;
    for (const ui::MessageBoxRequest &request : m_answerer.messageBoxes())
        texts.append(request.text);
    m_answerer.clearRecords();
    return texts;
}
