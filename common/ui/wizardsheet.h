#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;

namespace ui {

class PropertyPage;

// A property sheet in wizard mode: a page area with Back, Next/Finish and
// Cancel. Next and Back ask the current page where to go; a page that
// declines its activation is passed over in the direction of travel.
// exec() returns FinishResult after Finish and CancelResult after Cancel
// (no confirmation).
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
    void addPage(PropertyPage *page);
    int pageCount() const;
    PropertyPage *page(int index) const;
    PropertyPage *pageByTemplate(int templateId) const;
    PropertyPage *currentPage() const;

    // PSM_SETWIZBUTTONS: Finish takes the place of Next when set.
    void setWizardButtons(int buttons);
    int wizardButtons() const { return m_buttons; }
    // PSM_PRESSBUTTON: as if the user pressed it (ignored when disabled).
    void pressButton(Button button);

    // Shows the first page that accepts activation and runs modally.
    int exec() override;

signals:
    // A page became the current one (scripts and tests wait for this).
    void pageChanged(int templateId);

protected:
    void reject() override;

private:
    void goTo(int result, int direction);
    bool activate(int index, int direction);
    void updateButtons();

    QList<PropertyPage *> m_pages;
    QStackedWidget *m_stack;
    QPushButton *m_backButton;
    QPushButton *m_nextButton;
    QPushButton *m_finishButton;
    QPushButton *m_cancelButton;
    int m_current = -1;
    int m_buttons = 0;
};

} // namespace ui
