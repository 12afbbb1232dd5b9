#pragma once

#include "workspacetest.h"

// A workspace with generated suite data in its folder suite (D:\suite):
// shared bookshelves shelf01, shelf02, ..., as many as the test asks for.
class SuiteSampleTest : public WorkspaceTest
{
protected:
    explicit SuiteSampleTest(int shelves);

    void SetUp() override;

private:
    int m_shelves;
};
