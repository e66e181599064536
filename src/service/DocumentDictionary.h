#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <initializer_list>
#include <optional>

/// Walking a document dictionary: every missing step yields an absent value.
namespace DocumentDictionary {

/// The value at the end of the key path; invalid when any step is missing or not a map.
QVariant valueAt(const QVariantMap &dictionary, std::initializer_list<QStringView> path);

/// The "text" at the end of the key path; nothing when absent ("" is a text).
std::optional<QString> textAt(const QVariantMap &dictionary,
                              std::initializer_list<QStringView> path);

/// An element that may repeat: one element dictionary gives a list of one, a list
/// gives its dictionaries, anything else gives an empty list.
QList<QVariantMap> elements(const QVariant &value);

/// The same elements, each handed to `visit` where it lies, in order: a reply of a thousand
/// entries is read without copying a list of them.
template<typename Visit> void forEachElement(const QVariant &value, Visit visit)
{
    if (value.typeId() == QMetaType::QVariantMap) {
        visit(*static_cast<const QVariantMap *>(value.constData()));
        return;
    }
    if (value.typeId() != QMetaType::QVariantList)
        return;
    for (const QVariant &item : *static_cast<const QVariantList *>(value.constData())) {
        if (item.typeId() == QMetaType::QVariantMap)
            visit(*static_cast<const QVariantMap *>(item.constData()));
    }
}

} // namespace DocumentDictionary
