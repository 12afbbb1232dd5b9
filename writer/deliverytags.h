#pragma once

#include <QStringList>
#include <QStringView>

// The element tags of the delivery schemas that an information text must
// not contain, lest it break the XML it is written into: for each element
// its opening tag, then its closing tag, in the order they are searched.
namespace writer {

const QStringList &deliveryTags();

// The first tag of the list that occurs in the text, or an empty view.
QStringView firstDeliveryTagIn(QStringView text);

} // namespace writer
