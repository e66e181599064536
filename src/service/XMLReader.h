#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>
#include <optional>

/// Turns an XML document into a document dictionary.
///
/// The result has one key, the root element's name as written (prefix included).
/// An element becomes a QVariantMap of its attributes, its children and, when it
/// collected character data, "text" (trimmed). A name that repeats under one parent
/// holds a QVariantList of the elements in document order. Character data is kept in
/// one buffer that only an element end empties, so text before a child belongs to the
/// next element that ends. CDATA, comments and processing instructions are skipped.
///
/// A document that is not well-formed gives no result. So does one that declares a
/// DTD subset or refers to entities other than the five predefined ones, and one
/// larger than maximumInputSize: nothing outside the document is ever loaded.
class XMLReader
{
public:
    static constexpr qsizetype maximumInputSize = 16 * 1024 * 1024;

    /// The text as UTF-8; a null text gives no result.
    static std::optional<QVariantMap> dictionaryForXMLString(const QString &text,
                                                             QString *error = nullptr);
    static std::optional<QVariantMap> dictionaryForXMLData(const QByteArray &data,
                                                           QString *error = nullptr);
};
