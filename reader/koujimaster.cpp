#include "koujimaster.h"

#include "jetdao/cdaoexception.h"
#include "jetdao/cdaorecordset.h"
#include "jetdao/cdaoworkspace.h"
#include "platform/fileops.h"
#include "platform/pathnames.h"

namespace reader {

using JETDAO::CDaoException;
using JETDAO::CDaoRecordset;

namespace {

const QString Table = QString::fromUtf16(KoujiMaster::TableName);
const QString ItemId = QString::fromUtf16(KoujiMaster::ItemIdColumn);
const QString Name = QString::fromUtf16(KoujiMaster::NameColumn);
const QString ChildId = QString::fromUtf16(KoujiMaster::ChildIdColumn);
const QString YoungerId = QString::fromUtf16(KoujiMaster::YoungerIdColumn);
const QString ParentId = QString::fromUtf16(KoujiMaster::ParentIdColumn);
const QString NoNode = QStringLiteral("0");

QString wholeTableQuery()
{
    return QStringLiteral("select * from %1").arg(Table);
}

} // namespace

KoujiMaster::KoujiMaster() = default;

KoujiMaster::~KoujiMaster() = default;

QString KoujiMaster::path()
{
    const QString temp = win::tempPath();
    return temp.isEmpty() ? QString() : temp + QString::fromUtf16(FileName);
}

bool KoujiMaster::copyTemplate(const QString &programDir)
{
    const QString target = path();
    if (target.isEmpty())
        return false;
    const QString source = win::joinPath(programDir, QString::fromUtf16(TemplateName));
    return win::copyFile(source, target, false) && win::setFileAttributesNormal(target);
}

void KoujiMaster::open()
{
    m_database.Open(path(), false, false, QString());
}

void KoujiMaster::close()
{
    m_database.Close();
}

bool KoujiMaster::isOpen() const
{
    return m_database.IsOpen();
}

int KoujiMaster::CreateRootNode()
{
    if (!m_database.IsOpen())
        return 0;
    m_nNextId = RootId;
    if (!inTransaction([&] { appendNode(m_nNextId, m_strRootName, 0); }))
        return 0;
    ++m_nNextId;
    return 1;
}

int KoujiMaster::AddChildNode(int parentId, const QString &name)
{
    // Without an open database there is no transaction to roll back either.
    if (!m_database.IsOpen())
        return 0;
    const int newId = m_nNextId;
    const bool added = inTransaction([&] {
        linkNewChild(parentId, newId);
        appendNode(newId, name, parentId);
    });
    if (!added)
        return 0;
    ++m_nNextId;
    return newId;
}

bool KoujiMaster::inTransaction(const std::function<void()> &write)
{
    try {
        m_database.m_pWorkspace->BeginTrans();
        write();
        m_database.m_pWorkspace->CommitTrans();
    } catch (const CDaoException &e) {
        m_database.m_pWorkspace->Rollback();
        e.ReportError();
        return false;
    }
    return true;
}

// The new node becomes the younger sibling of the parent's last child, or
// the parent's first child when it has none yet.
void KoujiMaster::linkNewChild(int parentId, int newId)
{
    CDaoRecordset lastChild(&m_database);
    lastChild.Open(JETDAO::dbOpenDynaset,
                   QStringLiteral("select * from %1 where %2 = %3 and %4 = %5")
                       .arg(Table, YoungerId, NoNode, ParentId, QString::number(parentId)),
                   JETDAO::dbConsistent);
    if (!lastChild.IsEOF()) {
        lastChild.Edit();
        lastChild.SetFieldValue(YoungerId, QString::number(newId));
        lastChild.Update();
        lastChild.Close();
        return;
    }
    lastChild.Close();

    CDaoRecordset parent(&m_database);
    parent.Open(JETDAO::dbOpenDynaset,
                QStringLiteral("select * from %1 where %2 = %3")
                    .arg(Table, ItemId, QString::number(parentId)),
                JETDAO::dbConsistent);
    parent.Edit();
    parent.SetFieldValue(ChildId, QString::number(newId));
    parent.Update();
    parent.Close();
}

void KoujiMaster::appendNode(int id, const QString &name, int parentId)
{
    CDaoRecordset nodes(&m_database);
    nodes.Open(JETDAO::dbOpenDynaset, wholeTableQuery(), JETDAO::dbConsistent);
    nodes.AddNew();
    nodes.SetFieldValue(ItemId, QString::number(id));
    nodes.SetFieldValue(Name, name);
    nodes.SetFieldValue(ChildId, NoNode);
    nodes.SetFieldValue(YoungerId, NoNode);
    nodes.SetFieldValue(ParentId, QString::number(parentId));
    nodes.Update();
    nodes.Close();
}

} // namespace reader
