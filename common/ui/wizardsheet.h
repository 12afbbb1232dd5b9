#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;

namespace ui {

class PropertyPage;

// A property sheet in wizard mode: a page area with Back, Next/Finish and
// Cancel. Next and Back ask the current page where to go, then let the page
// refuse to be left (onKillActive); a page that declines its activation is
// passed over in the direction of travel, or replaced by the page it names
// (PropertyPage::declineActivationFor), and when no page accepts, the
// current one stays. exec() returns FinishResult after Finish and
// CancelResult after Cancel or Esc (no confirmation). The window title is
// the current page's caption; Enter presses Next or Finish.
//
// The buttons carry the Windows control ids (ID_WIZBACK 12323, ID_WIZNEXT
// 12324, ID_WIZFINISH 12325, IDCANCEL 2).
class WizardSheet : public QDialog
{
    Q_OBJECT

public:
    enum ButtonFlag { Back = 1, Next = 2, Finish = 4 };
    enum Button { BackButton, NextButton, FinishButton, CancelButton };
    static constexpr int FinishResult = 12325;  // ID_WIZFINISH
    static constexpr int CancelResult = 2;      // IDCANCEL
    static constexpr int Stay = -1;

    explicit WizardSheet(QWidget *parent = nullptr);
    ~WizardSheet() override;

    // Pages in order; the order gives the default Next and Back neighbours.
    // The sheet takes ownership.
    void addPage(PropertyPage *page);
    int pageCount() const;
    PropertyPage *page(int index) const;
    PropertyPage *pageByTemplate(int templateId) const;
    PropertyPage *currentPage() const;

    // PSM_SETWIZBUTTONS: buttons not set are disabled; Finish takes the
    // place of Next when set.
    void setWizardButtons(int buttons);
    int wizardButtons() const { return m_buttons; }
    // Presses a button as the user does with the mouse (see clickAsUser):
    // nothing happens when it is disabled or hidden.
    void pressButton(Button button);
    QPushButton *button(Button button) const;

    // A control of the current page, else one of the sheet's buttons.
    QWidget *findControl(int controlId) const;

    // A button of a page's own in the sheet's button row, as a page creates
    // one on the wizard window: its left edge left pixels from the sheet's
    // left, extraWidth wider than Cancel, at Cancel's height, vertical
    // position and font, in the Tab order. Replaces an earlier one of the
    // same id. It goes with removePageButton, and at the latest when
    // another page becomes current.
    QPushButton *addPageButton(PropertyPage *owner, const QString &text, int controlId, int left,
                               int extraWidth);
    void removePageButton(int controlId);

    // Activates the first page that accepts; false when none does. exec()
    // does this itself; tests that show the sheet without exec() call it.
    bool activateFirstPage();
    // Shows the first page that accepts activation and runs modally;
    // CancelResult at once when no page accepts.
    int exec() override;

protected:
    void reject() override;

private:
    void navigate(int direction);
    void finish();
    bool activateFrom(int index, int direction);
    bool activate(int index);
    int indexOfTemplate(int templateId) const;
    void removePageButtonsExcept(const PropertyPage *owner);

    struct PageButton
    {
        PropertyPage *owner;
        QPushButton *button;
    };

    QList<PropertyPage *> m_pages;
    QList<PropertyPage *> m_initializedPages;
    QStackedWidget *m_stack;
    QPushButton *m_backButton;
    QPushButton *m_nextButton;
    QPushButton *m_finishButton;
    QPushButton *m_cancelButton;
    QList<PageButton> m_pageButtons;
    int m_current = -1;
    int m_buttons = 0;
};

} // namespace ui
