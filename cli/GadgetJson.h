#pragma once

#include <QJsonObject>
#include <QMetaProperty>

/// A gadget's text properties as a JSON object, keyed by property name.
template<typename Gadget> QJsonObject gadgetJson(const Gadget &gadget)
{
    QJsonObject object;
    const QMetaObject &meta = Gadget::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        object.insert(QString::fromLatin1(property.name()),
                      property.readOnGadget(&gadget).toString());
    }
    return object;
}
