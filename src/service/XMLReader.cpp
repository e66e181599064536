#include "XMLReader.h"

std::optional<QVariantMap> XMLReader::dictionaryForXMLString(const QString &text, QString *error)
{
    if (text.isNull())
        return std::nullopt;
    return dictionaryForXMLData(text.toUtf8(), error);
}

std::optional<QVariantMap> XMLReader::dictionaryForXMLData(const QByteArray &, QString *)
{
    return std::nullopt;
}
