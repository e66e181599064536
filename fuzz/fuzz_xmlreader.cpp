#include "service/XMLReader.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

bool readsAsUtf8(const QByteArray &bytes)
{
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; }))
        return true;
    if (!bytes.startsWith("<?xml"))
        return true;
    const QByteArray declaration = bytes.left(bytes.indexOf("?>")).toLower();
    return !declaration.contains("encoding") || declaration.contains("utf-8");
}

// A path into the document for its record elements: the root, then at each level the first
// name that holds an element or a list of them, up to three names.
QStringList recordPath(const QVariantMap &document)
{
    QStringList path;
    QVariantMap level = document;
    while (path.size() < 3) {
        const auto holder = std::find_if(level.cbegin(), level.cend(), [](const QVariant &v) {
            return v.typeId() == QMetaType::QVariantMap || v.typeId() == QMetaType::QVariantList;
        });
        if (holder == level.cend() || holder.key() == u"text")
            break;
        path.append(holder.key());
        if (holder->typeId() != QMetaType::QVariantMap)
            break;
        level = holder->toMap();
    }
    return path;
}

// Record elements handed over while reading must be the very elements the dictionary holds at
// their path, in the same order, flat ones included.
void checkRecords(const QString &text, const QVariantMap &document)
{
    const QStringList path = recordPath(document);
    if (path.isEmpty())
        return;
    QList<QVariantMap> handed;
    XMLReader::Records records;
    records.path = path;
    records.flat = [&handed](std::span<const XMLReader::Field> children,
                             const std::optional<QString> &ownText) {
        QVariantMap element;
        for (const XMLReader::Field &field : children) {
            QVariantMap child;
            if (field.text)
                child.insert(u"text"_s, *field.text);
            element.insert(field.name, child);
        }
        if (ownText)
            element.insert(u"text"_s, *ownText);
        handed.append(element);
    };
    records.other = [&handed](const QVariantMap &element) {
        handed.append(element);
    };
    if (!XMLReader::dictionaryForXMLString(text, records))
        std::abort();

    QVariantMap parent = document;
    for (qsizetype i = 0; i + 1 < path.size(); ++i)
        parent = parent.value(path[i]).toMap();
    const QVariant held = parent.value(path.last());
    QList<QVariantMap> expected;
    if (held.typeId() == QMetaType::QVariantMap)
        expected.append(held.toMap());
    for (const QVariant &item : held.toList()) {
        if (item.typeId() == QMetaType::QVariantMap)
            expected.append(item.toMap());
    }
    if (handed != expected)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every refusal is logged at debug level; a line per input would swamp the run.
    QLoggingCategory::setFilterRules(u"tarvo.service.debug=false"_s);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QVariantMap> dictionary = XMLReader::dictionaryForXMLData(bytes);
    if (!dictionary)
        return 0;
    // A document has exactly one root.
    if (dictionary->size() != 1)
        std::abort();
    // Bytes read as UTF-8 must read the same through the text entry point. Bytes in a
    // declared other encoding decode differently; only ASCII reads alike in all of them.
    if (readsAsUtf8(bytes)) {
        const QString text = QString::fromUtf8(bytes);
        if (XMLReader::dictionaryForXMLString(text) != dictionary)
            std::abort();
        checkRecords(text, *dictionary);
    }
    return 0;
}
