#pragma once

#include "ui/propertypage.h"
#include "ui/wizardsheet.h"

#include <QStringList>

// A wizard of dummy pages whose answers the tests set, recording every
// notification as "<template id>:<notification>".
class TestPage : public ui::PropertyPage
{
public:
    TestPage(int templateId, QStringList *log);

    bool accepts = true;
    bool leaves = true;
    bool finishes = true;
    int next = 0;
    int back = 0;
    int buttons = ui::WizardSheet::Back | ui::WizardSheet::Next;

    bool onSetActive() override;
    bool onKillActive() override;
    int onWizardNext() override;
    int onWizardBack() override;
    bool onWizardFinish() override;

private:
    void record(const char *notification);

    QStringList *m_log;
};

class TestWizard : public ui::WizardSheet
{
public:
    explicit TestWizard(const QList<int> &templateIds);

    TestPage *testPage(int templateId) const;
    // Template id of the current page, 0 when none.
    int currentId() const;

    QStringList log;
};
