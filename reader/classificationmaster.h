#pragma once

#include "koujimaster.h"

#include <QString>
#include <QStringList>

namespace JETDAO {
class CDaoDatabase;
}

namespace reader {

// The photo classification of a standard delivery (写真-大分類 → 写真区分 →
// 工種 → 種別 → 細別, from 撮影工種区分 of G_PHOTO.mdb) written into
// KOUJIMASTER.MDB under the root "ROOT" for the host application. Built
// when the user leaves the photo information page, afresh every time.
class ClassificationMaster
{
public:
    static constexpr char16_t RootName[] = u"ROOT";
    static constexpr int LevelCount = 5;

    ClassificationMaster();
    ~ClassificationMaster();
    Q_DISABLE_COPY_MOVE(ClassificationMaster)

    // Copies the template from the program folder and fills the copy,
    // depth first, each node's children in the database's ascending order
    // of their values. An empty value ends its branch. A node that cannot
    // be added (the node table reported why) is left out with all below
    // it, and the build goes on with its next sibling.
    //
    // Returns the text to show the user when the build stopped early: the
    // template could not be copied, or G_PHOTO.mdb or KOUJIMASTER.MDB
    // refused a query. Empty when the build ran to its end. Both databases
    // are closed again either way.
    QString BuildClassificationTree(const QString &programDir);

private:
    void addLevel(JETDAO::CDaoDatabase &photos, int level, QStringList &values, int parentId);
    static QString levelQuery(int level, const QStringList &values);

    KoujiMaster m_master;
};

} // namespace reader
