// Where the station database lives: beside the program when one is there
// (the build tree, a portable folder), otherwise in the user's own copy of
// the installed template, root's too.

#include "store_test_support.h"

#include "store/user_db.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace storetest;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class TestDatabaseLocation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Which files there are before the start ("" for none), and where the
    // station is read from with what in it.
    void location_data()
    {
        QTest::addColumn<QByteArray>("besideProgram");
        QTest::addColumn<QByteArray>("installedTemplate");
        QTest::addColumn<QByteArray>("ownCopy");
        QTest::addColumn<bool>("usesOwnCopy");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("build tree or portable folder") << QByteArray("beside") << QByteArray("template")
                                                       << QByteArray() << false << QByteArray("beside");
        QTest::newRow("installed, first start") << QByteArray() << QByteArray("template") << QByteArray() << true
                                                << QByteArray("template");
        QTest::newRow("installed, later start") << QByteArray() << QByteArray("template") << QByteArray("saved")
                                                << true << QByteArray("saved");
        QTest::newRow("nothing to copy") << QByteArray() << QByteArray() << QByteArray() << true << QByteArray();
    }

    void location()
    {
        QFETCH(QByteArray, besideProgram);
        QFETCH(QByteArray, installedTemplate);
        QFETCH(QByteArray, ownCopy);
        QFETCH(bool, usesOwnCopy);
        QFETCH(QByteArray, content);
        const QTemporaryDir root;
        const QString programDir = root.filePath("bin"), templatePath = root.filePath("share/azidal/user.mdb");
        const QString dataDir = root.filePath("home/.local/share/azidal");
        QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(QFileInfo(templatePath).path()));
        if (!besideProgram.isEmpty())
            writeFile(programDir + "/user.mdb", besideProgram);
        if (!installedTemplate.isEmpty()) {
            writeFile(templatePath, installedTemplate);
            QVERIFY(QFile::setPermissions(templatePath, QFile::ReadOwner | QFile::ReadOther));  // as installed
        }
        if (!ownCopy.isEmpty()) {
            QVERIFY(QDir().mkpath(dataDir));
            writeFile(dataDir + "/user.mdb", ownCopy);
        }

        const QString path = store::stationDatabasePath(programDir, templatePath, dataDir);
        QCOMPARE(path, (usesOwnCopy ? dataDir : programDir) + "/user.mdb");
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(QFileInfo::exists(path), !content.isEmpty());
        if (!content.isEmpty())
            QVERIFY(QFile::permissions(path) & QFile::WriteOwner);
        QCOMPARE(fileBytes(templatePath), installedTemplate);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseLocation)
#include "test_database_location.moc"
