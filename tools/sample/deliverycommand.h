#pragma once

#include <QStringList>

// tessera-sample delivery DIR --photos N [--standard mlit|maff|nexco24|nexco18]
//                          [--encoding sjis|utf8]
int runDeliveryCommand(const QStringList &arguments);
