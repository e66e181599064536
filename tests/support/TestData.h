#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// Hand-made replies, pages and requests kept as files under tests/data, named by their path
/// there ("billing/arrears-one-bill.xml").
namespace TestData {

inline QString path(const QString &name)
{
    return QStringLiteral(TARVO_TEST_DATA "/") + name;
}

/// The file's bytes as they are. A missing file ends the run: a test reading it could only
/// fail for the wrong reason.
inline QByteArray file(const QString &name)
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("test data %s missing", qPrintable(name));
    return file.readAll();
}

} // namespace TestData
