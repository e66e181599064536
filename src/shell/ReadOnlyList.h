#pragma once

#include <QList>
#include <QQmlListProperty>

/// A list the C++ side owns, shown to QML as a typed list that QML can read but not change.
template<typename T, typename Stored>
QQmlListProperty<T> readOnlyList(QObject *owner, const QList<Stored *> *list)
{
    using List = const QList<Stored *>;
    return QQmlListProperty<T>(
        owner, const_cast<QList<Stored *> *>(list),
        [](QQmlListProperty<T> *property) { return static_cast<List *>(property->data)->size(); },
        [](QQmlListProperty<T> *property, qsizetype index) {
            return qobject_cast<T *>(static_cast<List *>(property->data)->at(index));
        });
}
