#include "OutletList.h"

#include "InfoLog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace OutletList {

namespace {

double degrees(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().trimmed().toDouble();
    return value.toDouble();
}

std::optional<QString> text(const QJsonValue &value)
{
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

QList<Outlet> fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isArray()) {
        qCWarning(lcInfo) << "outlet list is no JSON array:" << error.errorString();
        return {};
    }
    QList<Outlet> outlets;
    const QJsonArray array = document.array();
    for (const QJsonValue &element : array) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        outlets.append({degrees(object.value(u"lat"_s)), degrees(object.value(u"lng"_s)),
                        text(object.value(u"name"_s)), text(object.value(u"address"_s))});
    }
    return outlets;
}

QList<Outlet> bundled()
{
    QFile file(u":/tarvo/locations.json"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcInfo) << "no outlet list in the app's resources";
        return {};
    }
    return fromJson(file.readAll());
}

} // namespace OutletList
