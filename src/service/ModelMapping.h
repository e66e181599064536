#pragma once

#include <QHash>
#include <QMetaObject>
#include <QMetaProperty>
#include <QVarLengthArray>
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

/// One mapping serves every element of a list. The entries of a reply name their fields alike
/// and the reader makes each name's text once, so a name met at the same place in the previous
/// element is known by the address of its text, without being looked up again.
template<typename Gadget> class ChildTextMapping
{
public:
    /// Returns how many child elements the element has, each repetition counted, found on the
    /// same walk: attributes and the element's own text share its dictionary but are no
    /// children.
    qsizetype assign(Gadget &gadget, const QVariantMap &element)
    {
        qsizetype children = 0;
        qsizetype place = 0;
        for (auto it = element.constBegin(); it != element.constEnd(); ++it, ++place) {
            // Read in place: a reply holds thousands of these, and copies would cost
            // reference counting on every one.
            const int type = it.value().typeId();
            if (type == QMetaType::QVariantList) {
                children += static_cast<const QVariantList *>(it.value().constData())->size();
                continue;
            }
            if (type != QMetaType::QVariantMap)
                continue;
            ++children;
            const QMetaProperty *property = propertyAt(place, it.key());
            if (!property)
                continue;
            const auto &child = *static_cast<const QVariantMap *>(it.value().constData());
            const auto text = child.constFind(textKey());
            if (text != child.constEnd() && text->typeId() == QMetaType::QString)
                property->writeOnGadget(&gadget, *text);
        }
        return children;
    }

    /// One child's text, as assign() writes it. `place` is the child's position among its
    /// siblings, so that alike elements in a row find each name once.
    void assignText(Gadget &gadget, qsizetype place, const QString &name, const QString &text)
    {
        if (const QMetaProperty *property = propertyAt(place, name))
            property->writeOnGadget(&gadget, text);
    }

private:
    static const QString &textKey()
    {
        static const QString key = QStringLiteral("text");
        return key;
    }

    const QMetaProperty *propertyAt(qsizetype place, const QString &name)
    {
        if (place < m_seen.size() && m_seen[place].name.constData() == name.constData() &&
            m_seen[place].name.size() == name.size())
            return m_seen[place].property;
        const QHash<QString, QMetaProperty> &properties = textProperties<Gadget>();
        const auto found = properties.constFind(name);
        const QMetaProperty *property = found == properties.constEnd() ? nullptr : &*found;
        if (place >= m_seen.size())
            m_seen.resize(place + 1);
        m_seen[place] = {name, property};
        return property;
    }

    struct Seen
    {
        QString name; // held, so that its address cannot pass to another text meanwhile
        const QMetaProperty *property = nullptr;
    };
    QVarLengthArray<Seen, 32> m_seen;
};

/// The same for a single element.
template<typename Gadget> qsizetype assignChildTexts(Gadget &gadget, const QVariantMap &element)
{
    return ChildTextMapping<Gadget>().assign(gadget, element);
}
