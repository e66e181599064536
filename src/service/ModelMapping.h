#pragma once

#include <QHash>
#include <QMetaObject>
#include <QMetaProperty>
#include <QVariantMap>

/// Filling a gadget's text properties from names and texts, as a reply names its fields.
///
/// Names that are no text property of the gadget are dropped; properties without an entry
/// keep their value.

/// The gadget's text properties by name, looked up once per gadget type.
template<typename Gadget> const QHash<QString, QMetaProperty> &textProperties()
{
    static const QHash<QString, QMetaProperty> properties = [] {
        QHash<QString, QMetaProperty> byName;
        const QMetaObject &meta = Gadget::staticMetaObject;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            if (meta.property(i).metaType().id() == QMetaType::QString)
                byName.insert(QString::fromLatin1(meta.property(i).name()), meta.property(i));
        }
        return byName;
    }();
    return properties;
}

template<typename Gadget> void assignText(Gadget &gadget, const QString &name, const QVariant &text)
{
    if (text.typeId() != QMetaType::QString)
        return;
    const QHash<QString, QMetaProperty> &properties = textProperties<Gadget>();
    const auto found = properties.constFind(name);
    if (found != properties.constEnd())
        found->writeOnGadget(&gadget, text);
}

template<typename Gadget> void assignTexts(Gadget &gadget, const QVariantMap &texts)
{
    for (auto it = texts.constBegin(); it != texts.constEnd(); ++it)
        assignText(gadget, it.key(), it.value());
}
