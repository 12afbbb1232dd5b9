#pragma once

#include <QList>
#include <QString>

// The folder and file structure once the documents have marked what they
// name: hidden and system files anywhere in the delivery (errors), names
// of the standard's folders that are not in capitals (errors), and what no
// document names in the folders the documents describe (notices).
namespace deliverycheck {

class CheckReport;
class DeliveryTree;

class StructureCheck final
{
public:
    // A folder whose entries a document describes, and that document.
    struct Described
    {
        QString folder; // relative, "" for the root
        QString document;
    };

    StructureCheck(CheckReport &report, DeliveryTree &tree);

    void run(const QList<Described> &described);

    // Thumbs.db, desktop.ini, .DS_Store, dot files and the like, which
    // Windows and other systems leave behind.
    static bool isHiddenOrSystem(const QString &name);

private:
    CheckReport &m_report;
    DeliveryTree &m_tree;
};

} // namespace deliverycheck
