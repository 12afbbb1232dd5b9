#pragma once

#include <QString>

// Something wrong in an XML file, at a line of it (0 when none applies).
struct XmlProblem
{
    int line = 0;
    QString message;
};
