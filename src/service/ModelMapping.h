#pragma once

#include <QHash>
#include <QMetaObject>
#include <QMetaProperty>
#include <QVariantMap>

/// Filling a gadget's text properties from an element's children, as a reply names its fields.
///
/// A child element that occurs once and carries a text sets the text property of its name.
/// Children that name no text property, repeated children, attributes and the element's own
/// text are dropped; properties without such a child keep their value.

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

/// Returns how many child elements the element has, each repetition counted, found on the
/// same walk: attributes and the element's own text share its dictionary but are no children.
template<typename Gadget> qsizetype assignChildTexts(Gadget &gadget, const QVariantMap &element)
{
    static const QString textKey = QStringLiteral("text");
    const QHash<QString, QMetaProperty> &properties = textProperties<Gadget>();
    qsizetype children = 0;
    for (auto it = element.constBegin(); it != element.constEnd(); ++it) {
        // Read in place: a reply holds thousands of these, and copies would cost reference
        // counting on every one.
        const int type = it.value().typeId();
        if (type == QMetaType::QVariantList) {
            children += static_cast<const QVariantList *>(it.value().constData())->size();
            continue;
        }
        if (type != QMetaType::QVariantMap)
            continue;
        ++children;
        const auto property = properties.constFind(it.key());
        if (property == properties.constEnd())
            continue;
        const auto &child = *static_cast<const QVariantMap *>(it.value().constData());
        const auto text = child.constFind(textKey);
        if (text != child.constEnd() && text->typeId() == QMetaType::QString)
            property->writeOnGadget(&gadget, *text);
    }
    return children;
}
