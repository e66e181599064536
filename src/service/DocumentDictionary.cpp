#include "DocumentDictionary.h"

using namespace Qt::StringLiterals;

namespace DocumentDictionary {

QVariant valueAt(const QVariantMap &dictionary, std::initializer_list<QStringView> path)
{
    QVariant current = dictionary;
    for (QStringView key : path) {
        if (current.typeId() != QMetaType::QVariantMap)
            return {};
        const QVariantMap map = current.toMap();
        const auto found = map.constFind(key.toString());
        if (found == map.constEnd())
            return {};
        current = *found;
    }
    return current;
}

std::optional<QString> textAt(const QVariantMap &dictionary,
                              std::initializer_list<QStringView> path)
{
    const QVariant element = valueAt(dictionary, path);
    if (element.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariant text = element.toMap().value(u"text"_s);
    if (text.typeId() != QMetaType::QString)
        return std::nullopt;
    return text.toString();
}

QList<QVariantMap> elements(const QVariant &value)
{
    QList<QVariantMap> result;
    forEachElement(value, [&result](const QVariantMap &element) { result.append(element); });
    return result;
}

} // namespace DocumentDictionary
