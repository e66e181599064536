#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

/// One query on a sandbox database file left by a stopped sandbox: the first value of
/// the first row, or the error text.
inline QString queryDatabaseFile(const QString &fileName, const QString &sql)
{
    static const QString connection = QStringLiteral("database-file-check");
    QString result;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(fileName);
        if (!database.open())
            return database.lastError().text();
        QSqlQuery query(database);
        if (!query.exec(sql))
            result = query.lastError().text();
        else
            result = query.next() ? query.value(0).toString() : QString();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}
