#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>
#include <optional>

/// Turns an XML document into a document dictionary.
///
/// The result has one key, the root element's name as written (prefix included).
/// An element becomes a QVariantMap of its attributes, its children and, when it
/// collected any character data, "text" (trimmed of white space and line breaks; white
/// space alone gives ""). A name that repeats under one parent holds a QVariantList of
/// the elements in document order. Character data is kept in one buffer that only an
/// element end empties, so text before a child belongs to the next element that ends.
/// CDATA, comments and processing instructions are skipped.
///
/// A document that is not well-formed gives no result, and so does one that:
/// - declares an internal DTD subset (entity declarations live there) or refers to
///   entities other than the five predefined ones: nothing outside the document is
///   ever loaded and nothing is expanded;
/// - is larger than maximumInputSize, or nests elements more than 256 deep;
/// - is neither UTF-8 nor in the encoding its declaration names (any the platform knows,
///   e.g. ISO-8859-1 or GBK): bytes that encoding cannot decode are refused.
// Kept name (traceability): see docs/names.md
class XMLReader
{
public:
    static constexpr qsizetype maximumInputSize = 16 * 1024 * 1024;

    /// The text as UTF-8; a null text, or one with unpaired surrogates, gives no result.
    /// The text is decoded already, so its declaration may name any known encoding.
    // Kept name (traceability): see docs/names.md
    static std::optional<QVariantMap> dictionaryForXMLString(const QString &text,
                                                             QString *error = nullptr);
    /// Bytes in the encoding their declaration names, UTF-8 without one.
    /// On failure \a error, when given, says why (never quoting the document).
    // Kept name (traceability): see docs/names.md
    static std::optional<QVariantMap> dictionaryForXMLData(const QByteArray &data,
                                                           QString *error = nullptr);
};
