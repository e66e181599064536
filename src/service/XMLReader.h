#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <span>

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
    /// A child of a flat record element, as its dictionary would give it.
    struct Field
    {
        QString name;
        std::optional<QString> text; ///< the child's "text": absent where it collected none
    };

    /// Record elements handed over as they are read instead of entering the dictionary: a
    /// reply of a thousand entries then costs no dictionary per entry, nor the walk through
    /// them afterwards. Both calls come in document order; a document that is refused after
    /// some records were handed over gives no result, and those records are to be dropped.
    struct Records
    {
        /// Element names from the root element down to the record elements, as written. The
        /// record elements are left out of their parent's dictionary, and so are their names
        /// where nothing else bears them; no name on the path is "text".
        QStringList path;
        /// A record element that is flat: no attributes, and children that are elements
        /// without attributes or elements of their own, each name once and none named "text".
        /// Its children in document order and its own "text", as its dictionary would hold them.
        std::function<void(std::span<const Field> children, const std::optional<QString> &text)>
            flat;
        /// Any other record element: its element dictionary.
        std::function<void(const QVariantMap &element)> other;
    };

    /// The same with the record elements at `records.path` handed over instead of kept.
    static std::optional<QVariantMap>
    dictionaryForXMLString(const QString &text, const Records &records, QString *error = nullptr);
    /// Bytes in the encoding their declaration names, UTF-8 without one.
    /// On failure \a error, when given, says why (never quoting the document).
    // Kept name (traceability): see docs/names.md
    static std::optional<QVariantMap> dictionaryForXMLData(const QByteArray &data,
                                                           QString *error = nullptr);
};
