#pragma once

#include <QMetaObject>
#include <QMetaProperty>
#include <QVariantMap>

/// Fills a gadget's string properties from a name → text dictionary.
///
/// Entries whose name is no property of the gadget are dropped; properties without an
/// entry keep their value. Values that are not texts are left to the caller.
template<typename Gadget> void assignTexts(Gadget &gadget, const QVariantMap &texts)
{
    const QMetaObject &meta = Gadget::staticMetaObject;
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it) {
        if (it.value().typeId() != QMetaType::QString)
            continue;
        const int index = meta.indexOfProperty(it.key().toUtf8().constData());
        if (index < 0)
            continue;
        const QMetaProperty property = meta.property(index);
        if (property.metaType().id() == QMetaType::QString)
            property.writeOnGadget(&gadget, it.value());
    }
}
