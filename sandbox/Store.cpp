#include "Store.h"

#include "SandboxLog.h"
#include "StoreSchema.h"
#include "StoreSeed.h"

#include <QAtomicInt>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

QString nextConnectionName()
{
    // Each store has its own connection, so several sandboxes can live in one test process.
    static QAtomicInt counter;
    return u"tarvo-sandbox-"_s + QString::number(counter.fetchAndAddRelaxed(1) + 1);
}

} // namespace

Store::Store(const QString &fileName)
    : m_fileName(fileName)
    , m_connectionName(nextConnectionName())
{
    m_open = open();
}

Store::~Store()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString Store::location() const
{
    return m_fileName.isEmpty() ? u"memory"_s : m_fileName;
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

std::optional<QSqlQuery> Store::run(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(database());
    if (!query.prepare(sql)) {
        qCWarning(lcSandbox).noquote()
            << "cannot prepare" << sql << ":" << query.lastError().text();
        return std::nullopt;
    }
    for (const QVariant &value : values) {
        // Qt binds a null QString as SQL NULL; a text the caller left empty is still a text.
        if (value.typeId() == QMetaType::QString && value.toString().isNull())
            query.addBindValue(QString(u""_s));
        else
            query.addBindValue(value);
    }
    if (!query.exec()) {
        qCWarning(lcSandbox).noquote()
            << "statement failed" << sql << ":" << query.lastError().text();
        return std::nullopt;
    }
    return query;
}

bool Store::fail(const QString &what)
{
    m_error = what;
    qCWarning(lcSandbox).noquote() << "database" << location() << ":" << what;
    return false;
}

bool Store::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    db.setDatabaseName(m_fileName.isEmpty() ? u":memory:"_s : m_fileName);
    // Another sandbox on the same file waits briefly instead of failing at once.
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!db.open())
        return fail(db.lastError().text());

    if (!run(u"PRAGMA foreign_keys = ON"_s))
        return fail(u"cannot enable foreign keys"_s);
    if (!m_fileName.isEmpty()) {
        // WAL keeps the file consistent if the process is killed mid-write and lets a
        // reader (a support script, sqlite3) look in while the sandbox runs.
        run(u"PRAGMA journal_mode = WAL"_s);
        run(u"PRAGMA synchronous = NORMAL"_s);
    }

    std::optional<QSqlQuery> versionQuery = run(u"PRAGMA user_version"_s);
    if (!versionQuery || !versionQuery->next())
        return fail(u"cannot read the schema version"_s);
    const int found = versionQuery->value(0).toInt();
    if (found == StoreSchema::version)
        return true;
    if (found != 0)
        return fail(u"schema version %1, expected %2"_s.arg(found).arg(StoreSchema::version));

    std::optional<QSqlQuery> tables = run(u"SELECT count(*) FROM sqlite_master"_s);
    if (!tables || !tables->next() || tables->value(0).toInt() != 0)
        return fail(u"the file holds another database; give a new file or a sandbox's"_s);

    Transaction transaction(*this);
    if (!transaction.isActive() || !StoreSchema::create(*this) || !StoreSeed::fill(*this) ||
        !run(u"PRAGMA user_version = %1"_s.arg(StoreSchema::version)) || !transaction.commit())
        return fail(u"cannot create the schema and seed"_s);
    return true;
}

Transaction::Transaction(const Store &store)
    : m_database(store.database())
    , m_active(m_database.transaction())
{
    if (!m_active)
        qCWarning(lcSandbox) << "cannot begin a transaction:" << m_database.lastError().text();
}

Transaction::~Transaction()
{
    if (m_active)
        m_database.rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_database.commit())
        return true;
    qCWarning(lcSandbox) << "commit failed:" << m_database.lastError().text();
    m_database.rollback();
    return false;
}

} // namespace sandbox
