#include "OutletList.h"

#include "MapLog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

using namespace Qt::StringLiterals;

namespace OutletList {

namespace {

// Texts such as "nan" or "inf" convert, but would put a marker nowhere: they read as 0 too.
double degrees(const QJsonValue &value)
{
    const double number =
        value.isString() ? value.toString().trimmed().toDouble() : value.toDouble();
    return std::isfinite(number) ? number : 0;
}

std::optional<QString> text(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

QList<Outlet> fromJson(const QByteArray &json, bool *ok)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (ok)
        *ok = document.isArray();
    if (!document.isArray()) {
        qCWarning(lcMap) << "outlet list is no JSON array:" << error.errorString();
        return {};
    }
    QList<Outlet> outlets;
    const QJsonArray array = document.array();
    for (const QJsonValue &element : array) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        // Kept name (traceability): see docs/names.md
        outlets.append({degrees(object.value(u"lat"_s)), degrees(object.value(u"lng"_s)),
                        text(object.value(u"name"_s)), text(object.value(u"address"_s))});
    }
    return outlets;
}

QList<Outlet> fromFile(const QString &path, bool *ok)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcMap) << "no outlet list at" << path << file.errorString();
        if (ok)
            *ok = false;
        return {};
    }
    return fromJson(file.readAll(), ok);
}

QList<Outlet> bundled()
{
    return fromFile(bundledPath.toString());
}

} // namespace OutletList
