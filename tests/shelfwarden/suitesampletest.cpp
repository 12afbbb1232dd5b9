#include "suitesampletest.h"

#include "suitesample.h"

SuiteSampleTest::SuiteSampleTest(int shelves) : m_shelves(shelves)
{
}

void SuiteSampleTest::SetUp()
{
    WorkspaceTest::SetUp();
    SuiteSample sample;
    sample.root = hostPath(QStringLiteral("suite"));
    sample.shelves = m_shelves;
    sample.shared = true;
    QString error;
    ASSERT_TRUE(sample.write(&error)) << error.toStdString();
}
