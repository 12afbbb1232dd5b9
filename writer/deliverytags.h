#pragma once

#include <QStringView>

// The element tags of the delivery schemas that an information text must
// not contain, lest it break the XML it is written into.
namespace writer {

// Searched in a fixed order, for each element its opening tag, then its
// closing tag: the first of them that occurs in the text, or an empty view.
QStringView firstDeliveryTagIn(QStringView text);

} // namespace writer
