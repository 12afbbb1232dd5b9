#include "listlayoutcheck.h"
#include "permittedrepertoire.h"
#include "transformationsource.h"

#include "characterlistlayout.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {

int failWith(const QStringList &faults)
{
    for (const QString &fault : faults)
        std::fprintf(stderr, "character lists: %s\n", qPrintable(fault));
    return 1;
}

// Written whole or not at all, so that an interrupted build never leaves
// half a list behind.
bool writeUnits(const QString &folder, QStringView fileName, const QList<char16_t> &units)
{
    QByteArray bytes(units.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < units.size(); ++i)
        qToLittleEndian<quint16>(units.at(i), bytes.data() + 2 * i);
    QSaveFile file(QString(folder + QLatin1Char('/')).append(fileName));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

// Build step: writes unicode_list.dat and NeedTransformation.dat into the
// program folder given as the only argument, and fails when either would
// not have its layout.
int main(int argc, char **argv)
{
    using namespace writer::listlayout;

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    QString error;
    const auto repertoire = characterlists::PermittedRepertoire::build(&error);
    if (!repertoire)
        return failWith({error});
    const auto table = characterlists::buildTransformationTable(*repertoire, &error);
    if (!table)
        return failWith({error});
    const QList<char16_t> &permitted = repertoire->permitted;
    const QStringList faults = characterlists::permittedListFaults(permitted)
                               + characterlists::transformationTableFaults(*table, permitted);
    if (!faults.isEmpty())
        return failWith(faults);
    if (!writeUnits(folder, PermittedFileName, permitted)
        || !writeUnits(folder, TransformationFileName, *table)) {
        return failWith({QStringLiteral("cannot write the lists into %1").arg(folder)});
    }
    return 0;
}
