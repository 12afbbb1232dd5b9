#include "classificationmaster.h"

#include "photodb/photoinfotable.h"

#include "jetdao/jetdao.h"
#include "photodb/photodbschema.h"

namespace reader {

using photodb::PhotoInfoTable;

namespace {

// The classification levels' queries, with their values placed between the
// quotes. The values of one branch narrow every deeper level.
const QString MajorClassQuery = QStringLiteral("SELECT 撮影工種区分.[写真-大分類]")
    + QStringLiteral(" FROM 撮影工種区分 ") + QStringLiteral(" GROUP BY 撮影工種区分.[写真-大分類] ")
    + QStringLiteral(" ORDER BY 撮影工種区分.[写真-大分類] ");
const QString CategoryQuery = QStringLiteral(
    "SELECT 撮影工種区分.写真区分 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' "
    "GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分  ORDER BY 撮影工種区分.写真区分 ");
const QString WorkTypeQuery = QStringLiteral(
    "SELECT 撮影工種区分.工種 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' "
    "AND 撮影工種区分.写真区分 = '%2' "
    "GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分, 撮影工種区分.工種 "
    "ORDER BY 撮影工種区分.工種 ");
const QString KindQuery = QStringLiteral(
    "SELECT 撮影工種区分.種別 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' "
    "AND 撮影工種区分.写真区分 = '%2' AND 撮影工種区分.工種 = '%3' "
    "GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分, 撮影工種区分.工種, 撮影工種区分.種別 "
    "ORDER BY 撮影工種区分.種別 ");
const QString SubKindQuery = QStringLiteral(
    "SELECT 撮影工種区分.細別 FROM 撮影工種区分 WHERE 撮影工種区分.[写真-大分類] = '%1' "
    "AND 撮影工種区分.写真区分 = '%2' AND 撮影工種区分.工種 = '%3' AND 撮影工種区分.種別 = '%4' "
    "GROUP BY 撮影工種区分.[写真-大分類], 撮影工種区分.写真区分, 撮影工種区分.工種, 撮影工種区分.種別, "
    "撮影工種区分.細別 ORDER BY 撮影工種区分.細別 ");

// The column each level's query gives, level 1 first.
const QString LevelColumns[ClassificationMaster::LevelCount] = {
    QString::fromUtf16(photodb::column::MajorClass), QString::fromUtf16(photodb::column::Category),
    QString::fromUtf16(photodb::column::WorkType),   QString::fromUtf16(photodb::column::Kind),
    QString::fromUtf16(photodb::column::SubKind),
};

} // namespace

ClassificationMaster::ClassificationMaster() = default;

ClassificationMaster::~ClassificationMaster() = default;

QString ClassificationMaster::BuildClassificationTree(const QString &programDir)
{
    if (!KoujiMaster::copyTemplate(programDir))
        return KoujiMaster::TemplateCopyFailed.toString();

    QString failure;
    JETDAO::CDaoDatabase photos;
    try {
        photos.Open(PhotoInfoTable::databasePath(), false, true, QString());
        m_master.open();
        m_master.setRootName(QString::fromUtf16(RootName));
        // Without its root no node could be linked: each would fail and
        // report itself once more.
        if (m_master.CreateRootNode()) {
            QStringList values;
            addLevel(photos, 0, values, KoujiMaster::RootId);
        }
    } catch (const JETDAO::CDaoException &e) {
        failure = e.GetErrorMessage();
    }
    m_master.close();
    photos.Close();
    return failure;
}

// Adds the values of one level below the node of their parent value, each
// followed by its whole branch. values holds the parent values, level 1
// first.
void ClassificationMaster::addLevel(JETDAO::CDaoDatabase &photos, int level, QStringList &values,
                                    int parentId)
{
    JETDAO::CDaoRecordset rows(&photos);
    rows.Open(JETDAO::dbOpenDynaset, levelQuery(level, values), JETDAO::dbReadOnly);
    for (; !rows.IsEOF(); rows.MoveNext()) {
        const QString value = rows.GetFieldValue(LevelColumns[level]).toString();
        if (value.isEmpty())
            continue;
        const int id = m_master.AddChildNode(parentId, value);
        // A node that could not be added takes its branch with it, rather
        // than hanging the branch under no node.
        if (id == 0 || level + 1 == LevelCount)
            continue;
        values.append(value);
        addLevel(photos, level + 1, values, id);
        values.removeLast();
    }
    rows.Close();
}

QString ClassificationMaster::levelQuery(int level, const QStringList &values)
{
    const auto quoted = [&values](int index) { return JETDAO::EscapeQuotes(values.at(index)); };
    switch (level) {
    case 0:
        return MajorClassQuery;
    case 1:
        return CategoryQuery.arg(quoted(0));
    case 2:
        return WorkTypeQuery.arg(quoted(0), quoted(1));
    case 3:
        return KindQuery.arg(quoted(0), quoted(1), quoted(2));
    default:
        return SubKindQuery.arg(quoted(0), quoted(1), quoted(2), quoted(3));
    }
}

} // namespace reader
