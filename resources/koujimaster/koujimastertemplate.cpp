#include "koujimastertemplate.h"

#include "jetdao/jetdao.h"

namespace koujimastertemplate {

namespace {

// The longest node name: a classification value or a folder name.
constexpr int NameChars = 255;

} // namespace

void create(const QString &path)
{
    using JETDAO::CDaoTableDef;

    JETDAO::CDaoDatabase database;
    database.Create(path);
    CDaoTableDef table(&database);
    table.Create(QString::fromUtf16(TableName));
    // Ids are compared with numbers in the tree's queries, so they are
    // number columns; the full-width "ＩＤ" is part of the names.
    table.CreateField(QStringLiteral("項目ＩＤ"), CDaoTableDef::dbLong);
    table.CreateField(QStringLiteral("名称"), CDaoTableDef::dbText, NameChars);
    table.CreateField(QStringLiteral("子ＩＤ"), CDaoTableDef::dbLong);
    table.CreateField(QStringLiteral("弟ＩＤ"), CDaoTableDef::dbLong);
    table.CreateField(QStringLiteral("親ＩＤ"), CDaoTableDef::dbLong);
    table.Append();
    database.Close();
}

} // namespace koujimastertemplate
