#pragma once

#include "ui/propertypage.h"
#include "ui/queuedanswerer.h"
#include "ui/wizardsheet.h"

#include "workspacetest.h"

#include <QStringList>

#include <memory>

// Stands in for a neighbour of the page under test: offers Back and Next
// and lets the user go either way.
class StandInPage final : public ui::PropertyPage
{
public:
    explicit StandInPage(int templateId);
    bool onSetActive() override;
};

// Answers message boxes with their default button as a box on the screen
// does: it takes the keyboard focus while it shows, then gives it back.
// Records the texts.
class FocusTakingAnswerer final : public ui::Answerer
{
public:
    FocusTakingAnswerer();
    ~FocusTakingAnswerer() override;
    Q_DISABLE_COPY_MOVE(FocusTakingAnswerer)

    const QStringList &texts() const { return m_texts; }

    int answerMessageBox(const ui::MessageBoxRequest &request) override;
    std::optional<QString> answerFolderBrowse(const ui::FolderBrowseRequest &request) override;
    std::optional<QString> answerSaveFile(const ui::SaveFileRequest &request) override;

private:
    ui::Answerer *m_previous;
    QStringList m_texts;
};

// A wizard on the offscreen platform, shown and active so that focus
// changes send their events, with its boxes answered by the test.
class WizardTest : public WorkspaceTest
{
protected:
    void TearDown() override;

    // Shows the sheet on its first page; the fixture owns it.
    void startWizard(ui::WizardSheet *sheet);
    ui::WizardSheet &sheet() { return *m_sheet; }
    int currentPage() const;
    QWidget *control(int controlId) const;

    // As the user does: the focus goes into the box, then the text is
    // replaced; a click moves the focus to the button first.
    void enterText(int controlId, const QString &text);
    void click(int controlId);
    void next();
    void back();
    void finish();

    // Texts of the message boxes so far; forgets them.
    QStringList takeMessages();

    ui::QueuedAnswerer m_answerer;

private:
    std::unique_ptr<ui::WizardSheet> m_sheet;
};
