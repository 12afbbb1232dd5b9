#include "albumsuitetest.h"

void AlbumSuiteTest::SetUp()
{
    JetDaoTest::SetUp();
    SuiteSample sample;
    sample.root = hostPath(QStringLiteral("suite"));
    sample.shelves = Shelves;
    sample.albums = Albums;
    sample.photos = Photos;
    sample.photoFiles = false;
    QString error;
    ASSERT_TRUE(sample.write(&error)) << error.toStdString();
}

QString AlbumSuiteTest::shelfHostFolder(int shelf) const
{
    return hostPath(QStringLiteral("suite/shelves/shelf%1").arg(shelf + 1, 2, 10, QLatin1Char('0')));
}
