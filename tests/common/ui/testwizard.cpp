#include "testwizard.h"

TestPage::TestPage(int templateId, QStringList *log)
    : ui::PropertyPage(templateId, QStringLiteral("テストページ %1").arg(templateId))
    , m_log(log)
{
}

bool TestPage::onSetActive()
{
    record("active");
    if (accepts)
        setWizardButtons(buttons);
    return accepts;
}

bool TestPage::onKillActive()
{
    record("kill");
    return leaves;
}

int TestPage::onWizardNext()
{
    record("next");
    return next;
}

int TestPage::onWizardBack()
{
    record("back");
    return back;
}

bool TestPage::onWizardFinish()
{
    record("finish");
    return finishes;
}

void TestPage::record(const char *notification)
{
    m_log->append(QString::number(templateId()) + QLatin1Char(':') + QLatin1String(notification));
}

TestWizard::TestWizard(const QList<int> &templateIds)
{
    for (const int id : templateIds)
        addPage(new TestPage(id, &log));
}

TestPage *TestWizard::testPage(int templateId) const
{
    return static_cast<TestPage *>(pageByTemplate(templateId));
}

int TestWizard::currentId() const
{
    return currentPage() ? currentPage()->templateId() : 0;
}
