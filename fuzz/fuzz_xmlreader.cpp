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
    if (readsAsUtf8(bytes)
        && XMLReader::dictionaryForXMLString(QString::fromUtf8(bytes)) != dictionary)
        std::abort();
    return 0;
}
