// Where the station database lives: beside a program whose directory is
// writable, otherwise in the user's own copy of it. As root, directory
// permissions do not bite, so the read-only cases run as "nobody".

#include "store_test_support.h"

#include "store/user_db.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace storetest;

namespace {

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDatabaseLocation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(root.isValid());
        // Open to every user, so that "nobody" reaches what lies inside.
        QFile::setPermissions(root.path(), QFileDevice::Permissions(0x7777));
        programDir = root.filePath(QString("program%1").arg(++round));
        dataDir = root.filePath(QString("data%1/azidal").arg(round));
        QVERIFY(QDir().mkpath(programDir));
        QFile::setPermissions(root.filePath(QString("data%1").arg(round)), QFileDevice::Permissions(0x7777));
    }

    void besideAWritableProgram()
    {
        QFile::setPermissions(programDir, QFileDevice::Permissions(0x7777));
        writeFile(programDir + "/user.mdb", "installed");
        const Unprivileged nobody;
        QVERIFY2(nobody.ready(), qPrintable(nobody.reason()));
        QCOMPARE(store::stationDatabasePath(programDir, dataDir), programDir + "/user.mdb");
        QVERIFY(!QFileInfo::exists(dataDir));
    }

    void ownCopyBesideAReadOnlyProgram()
    {
        writeFile(programDir + "/user.mdb", "installed");
        QFile::setPermissions(programDir + "/user.mdb", QFileDevice::Permissions(0x4444));
        QFile::setPermissions(programDir, QFileDevice::Permissions(0x5555));
        const Unprivileged nobody;
        QVERIFY2(nobody.ready(), qPrintable(nobody.reason()));

        const QString own = store::stationDatabasePath(programDir, dataDir);
        QCOMPARE(own, dataDir + "/user.mdb");
        QCOMPARE(readFile(own), QByteArray("installed"));
        QVERIFY(QFileInfo(own).isWritable());

        // Later starts keep what the user saved.
        writeFile(own, "saved");
        QCOMPARE(store::stationDatabasePath(programDir, dataDir), own);
        QCOMPARE(readFile(own), QByteArray("saved"));
    }

    void nothingToCopy()
    {
        QFile::setPermissions(programDir, QFileDevice::Permissions(0x5555));
        const Unprivileged nobody;
        QVERIFY2(nobody.ready(), qPrintable(nobody.reason()));
        QCOMPARE(store::stationDatabasePath(programDir, dataDir), dataDir + "/user.mdb");
        QVERIFY(!QFileInfo::exists(dataDir + "/user.mdb"));
    }

private:
    QTemporaryDir root;
    QString programDir;
    QString dataDir;
    int round = 0;
};

QTEST_GUILESS_MAIN(TestDatabaseLocation)
#include "test_database_location.moc"
