#include "platform/namedmutex.h"
#include "platform/winerror.h"

#include <QCoreApplication>
#include <QProcess>
#include <QUuid>

#include <gtest/gtest.h>

using namespace win;

namespace {

QString uniqueName()
{
    return QStringLiteral("TEST0MUTEX0") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

// Another process that takes the mutex and keeps it until told to go.
class MutexHolder
{
public:
    QString start(const QString &name)
    {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/platform_helper"),
                        {QStringLiteral("mutex"), name});
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(10000))
            return QStringLiteral("no answer");
        return QString::fromLatin1(m_process.readLine().trimmed());
    }
    void crash()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    ~MutexHolder()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            crash();
    }

private:
    QProcess m_process;
};

} // namespace

TEST(NamedMutexTest, AnotherProcessHoldsTheNameUntilItEnds)
{
    const QString name = uniqueName();
    {
        MutexHolder first;
        ASSERT_EQ(first.start(name), QStringLiteral("Created"));
        NamedMutex mutex;
        EXPECT_EQ(mutex.create(name), NamedMutex::Result::AlreadyExists);
        EXPECT_EQ(lastError(), error::AlreadyExists);

        first.crash();
        EXPECT_EQ(mutex.create(name), NamedMutex::Result::Created) << "a crashed owner leaves nothing behind";
        MutexHolder second;
        EXPECT_EQ(second.start(name), QStringLiteral("AlreadyExists"));
    }
    MutexHolder third;
    EXPECT_EQ(third.start(name), QStringLiteral("Created")) << "released when the object went";
}

TEST(NamedMutexTest, NamesAreExactWithinOneProcessToo)
{
    const QString name = uniqueName();
    auto first = std::make_unique<NamedMutex>();
    NamedMutex second;
    NamedMutex otherCase;
    EXPECT_EQ(first->create(name), NamedMutex::Result::Created);
    EXPECT_EQ(second.create(name), NamedMutex::Result::AlreadyExists);
    EXPECT_EQ(otherCase.create(name.toLower()), NamedMutex::Result::Created);
    first.reset();
    EXPECT_EQ(second.create(name), NamedMutex::Result::Created);

    NamedMutex unnamed;
    EXPECT_EQ(unnamed.create(QString()), NamedMutex::Result::Created);
    EXPECT_EQ(NamedMutex().create(QString()), NamedMutex::Result::Created);
}
