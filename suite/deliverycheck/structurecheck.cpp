#include "structurecheck.h"

#include "checkmessages.h"
#include "checkreport.h"
#include "deliverytree.h"

#include <QSet>

namespace deliverycheck {

namespace {

bool hasLowerCaseLetter(const QString &name)
{
    for (const QChar c : name) {
        if (c >= u'a' && c <= u'z')
            return true;
    }
    return false;
}

} // namespace

StructureCheck::StructureCheck(CheckReport &report, DeliveryTree &tree)
    : m_report(report)
    , m_tree(tree)
{
}

bool StructureCheck::isHiddenOrSystem(const QString &name)
{
    static const QSet<QString> systemNames = {
        QStringLiteral("THUMBS.DB"),
        QStringLiteral("EHTHUMBS.DB"),
        QStringLiteral("EHTHUMBS_VISTA.DB"),
        QStringLiteral("DESKTOP.INI"),
        QStringLiteral("$RECYCLE.BIN"),
        QStringLiteral("RECYCLER"),
        QStringLiteral("SYSTEM VOLUME INFORMATION"),
        QStringLiteral("__MACOSX"),
        QStringLiteral("ICON\r"),
    };
    // Dot files are hidden on this host and come from other systems
    // (.DS_Store, ._name); "~$" files are the owner files of open documents.
    return name.startsWith(u'.') || name.startsWith(QStringLiteral("~$"))
        || systemNames.contains(name.toUpper());
}

void StructureCheck::run(const QList<Described> &described)
{
    for (const DeliveryTree::Folder &folder : m_tree.folders()) {
        for (const DeliveryTree::Entry &entry : folder.entries) {
            if (isHiddenOrSystem(entry.name))
                m_report.error(RuleClass::Structure,
                               DeliveryTree::join(folder.relative, entry.name), 0, QString(),
                               messages::HiddenOrSystemFile.toString());
        }
    }

    QSet<QString> seen;
    for (const Described &place : described) {
        const DeliveryTree::Folder *folder = m_tree.folder(place.folder);
        if (!folder || seen.contains(folder->relative))
            continue;
        seen.insert(folder->relative);
        for (const DeliveryTree::Entry &entry : folder->entries) {
            if (isHiddenOrSystem(entry.name))
                continue;
            const QString file = DeliveryTree::join(folder->relative, entry.name);
            if (hasLowerCaseLetter(entry.name))
                m_report.error(RuleClass::Structure, file, 0, QString(),
                               messages::NameNotUpperCase.arg(entry.name));
            if (!entry.named)
                m_report.notice(RuleClass::Structure, file, 0, QString(),
                                (entry.directory ? messages::UnnamedFolder : messages::UnnamedFile)
                                    .arg(place.document));
        }
    }
}

} // namespace deliverycheck
