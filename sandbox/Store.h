#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <optional>

namespace sandbox {

/// The sandbox's SQLite database: opened, brought to the current schema and, when new,
/// filled with the demo seed.
///
/// Every request is served on the thread that owns the store, one after another, so the
/// database sees one writer at a time; each multi-step change runs in a Transaction.
class Store
{
public:
    /// An empty file name keeps everything in memory, starting from the seed.
    explicit Store(const QString &fileName = {});
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    bool isOpen() const { return m_open; }
    QString errorText() const { return m_error; }
    /// Where the data lives, for the start-up line: the file, or "memory".
    QString location() const;

    /// Prepares, binds the values in order and runs one statement; a failure is logged
    /// and gives nothing.
    std::optional<QSqlQuery> run(const QString &sql, const QVariantList &values = {}) const;

    QSqlDatabase database() const;

private:
    bool open();
    bool fail(const QString &what);

    QString m_fileName;
    QString m_connectionName;
    QString m_error;
    bool m_open = false;
};

/// Rolls back unless committed, so an early return leaves the database unchanged.
class Transaction
{
public:
    explicit Transaction(const Store &store);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();

private:
    QSqlDatabase m_database;
    bool m_active = false;
};

} // namespace sandbox
