#include "eizengenerator.h"

#include "samplecatalog.h"
#include "samplefiles.h"
#include "samplejpeg.h"
#include "samplexmlwriter.h"

#include <QDir>

namespace {

// Chance of going one level further down at levels 4, 5, 6, ...
constexpr int DeeperPercent[] = {60, 50, 40};
constexpr int SubjectLevel = 3;
constexpr int DetailChoices = 2;

QString detailName(int level, int choice)
{
    return QStringLiteral("詳細%1-%2").arg(level).arg(choice + 1);
}

QString photoName(int number)
{
    return QStringLiteral("P%1").arg(number, 7, 10, QLatin1Char('0'));
}

QByteArray noteText(const QString &text)
{
    return SampleXmlWriter::encode(text + QStringLiteral("\r\n"),
                                   DeliveryOptions::Encoding::ShiftJis);
}

} // namespace

const QStringList EizenGenerator::PhotoExtensions = {
    QStringLiteral(".JPG"), QStringLiteral(".jpg"),  QStringLiteral(".JPEG"),
    QStringLiteral(".jpe"), QStringLiteral(".jpeg"), QStringLiteral(".JPE"),
};

EizenGenerator::EizenGenerator(const EizenOptions &options)
    : m_options(options)
    , m_random(quint64(options.photos) * 7919ULL + quint64(options.depth))
{
}

bool EizenGenerator::generate(const QString &folder)
{
    m_errorText.clear();
    m_made.clear();
    const QByteArray jpeg = SampleJpeg::bytes();
    if (jpeg.isEmpty()) {
        m_errorText = QStringLiteral("Qt cannot write JPEG images");
        return false;
    }
    if (!samplefiles::prepareEmptyFolder(folder, &m_errorText)
        || !samplefiles::writeFile(QDir(folder).filePath(QStringLiteral("工事概要.txt")),
                                   noteText(QStringLiteral("営繕工事 写真データ（見本）")),
                                   &m_errorText)
        || !samplefiles::makeFolder(QDir(folder).filePath(QStringLiteral("99_その他")),
                                    &m_errorText)) {
        return false;
    }

    // The deepest branch always exists and holds the files that are not
    // photos, whatever the number of photos.
    const QStringList deepest = walk(true);
    const QString deepestFolder = QDir(folder).filePath(deepest.join(u'/'));
    if (!ensureFolder(folder, deepest)
        || !samplefiles::writeFile(QDir(deepestFolder).filePath(QStringLiteral("図面.tif")), jpeg,
                                   &m_errorText)
        || !samplefiles::writeFile(QDir(deepestFolder).filePath(QStringLiteral("x.jpg.bak")), jpeg,
                                   &m_errorText)) {
        return false;
    }
    for (int i = 0; i < m_options.photos; ++i) {
        const QStringList levels = i == 0 ? deepest : walk(false);
        if (!ensureFolder(folder, levels))
            return false;
        const QString name = photoName(i + 1) + PhotoExtensions.at(i % PhotoExtensions.size());
        const QString path = QDir(folder).filePath(levels.join(u'/') + u'/' + name);
        if (!samplefiles::writeFile(path, jpeg, &m_errorText))
            return false;
    }
    return true;
}

QStringList EizenGenerator::walk(bool deepest)
{
    auto pick = [&](const QStringList &names) {
        return deepest ? 0 : m_random.below(int(names.size()));
    };
    const QStringList categories = samplecatalog::buildingCategories();
    const int category = pick(categories);
    const QStringList trades = samplecatalog::buildingTrades(category);
    const QStringList subjects = samplecatalog::buildingSubjects();
    const QStringList floors = samplecatalog::buildingFloors();
    const QStringList gridLines = samplecatalog::buildingGridLines();

    QStringList levels = {categories.at(category), trades.at(pick(trades)),
                          subjects.at(pick(subjects))};
    for (int level = SubjectLevel + 1; level <= m_options.depth; ++level) {
        const int chanceIndex = qMin(level - SubjectLevel - 1, int(std::size(DeeperPercent)) - 1);
        if (!deepest && !m_random.chance(DeeperPercent[chanceIndex]))
            break;
        if (level == SubjectLevel + 1)
            levels.append(floors.at(pick(floors)));
        else if (level == SubjectLevel + 2)
            levels.append(gridLines.at(pick(gridLines)));
        else
            levels.append(detailName(level, deepest ? 0 : m_random.below(DetailChoices)));
    }
    return levels.mid(0, m_options.depth);
}

bool EizenGenerator::ensureFolder(const QString &root, const QStringList &levels)
{
    for (qsizetype count = 1; count <= levels.size(); ++count) {
        const QString relative = levels.first(count).join(u'/');
        if (m_made.contains(relative))
            continue;
        const QString path = QDir(root).filePath(relative);
        if (!samplefiles::makeFolder(path, &m_errorText))
            return false;
        m_made.insert(relative);
        // Each subject folder carries the photographer's note.
        if (count == SubjectLevel
            && !samplefiles::writeFile(QDir(path).filePath(QStringLiteral("撮影メモ.txt")),
                                       noteText(QStringLiteral("撮影者メモ")), &m_errorText)) {
            return false;
        }
    }
    return true;
}
