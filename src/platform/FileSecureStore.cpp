#include "FileSecureStore.h"

#include "PlatformLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// A secrets file has no business being large; anything bigger is not ours.
constexpr qint64 maximumFileSize = 1024 * 1024;

} // namespace

FileSecureStore::FileSecureStore(const QString &home)
    : m_filePath(QDir(home).filePath(fileName))
{}

std::optional<QString> FileSecureStore::read(const QString &account, const QString &service)
{
    const QJsonValue secret = load().value_or(QJsonObject()).value(service)[account][u"secret"];
    if (!secret.isString())
        return std::nullopt;
    return secret.toString();
}

bool FileSecureStore::write(const QString &account, const QString &service, const QString &label,
                            const QString &secret)
{
    const std::optional<QJsonObject> loaded = load();
    if (!loaded) {
        // Replacing a file that could not be read would lose whatever secrets it holds.
        qCWarning(lcPlatform) << "not writing" << m_filePath << "over a file that cannot be read";
        return false;
    }
    QJsonObject root = *loaded;
    QJsonObject items = root.value(service).toObject();
    // Kept name (stored): see docs/names.md
    items.insert(account, QJsonObject{{u"label"_s, label}, {u"secret"_s, secret}});
    root.insert(service, items);

    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath())) {
        qCWarning(lcPlatform) << "cannot create the folder of" << m_filePath;
        return false;
    }
    QSaveFile file(m_filePath);
    // The owner-only mode is set on the temporary file before any secret reaches it.
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(QJsonDocument(root).toJson(QJsonDocument::Compact)) < 0 || !file.commit()) {
        qCWarning(lcPlatform) << "cannot write" << m_filePath << ":" << file.errorString();
        return false;
    }
    return true;
}

std::optional<QJsonObject> FileSecureStore::load() const
{
    QFile file(m_filePath);
    if (!file.exists())
        return QJsonObject();
    if (file.size() > maximumFileSize || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPlatform) << "cannot read" << m_filePath << ":" << file.errorString();
        return std::nullopt;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) {
        qCWarning(lcPlatform) << m_filePath << "is not a secrets file; ignoring it";
        return QJsonObject();
    }
    return document.object();
}
