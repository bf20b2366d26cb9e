#pragma once

// Files as the tests make and read them: whole, in bytes.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

// Empty when the file cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Its folder made first when missing.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
