#include "service/XMLReader.h"

#include <QLoggingCategory>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

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
    // A document has exactly one root, and accepted bytes are UTF-8, so the text
    // entry point must read them the same way.
    if (dictionary->size() != 1)
        std::abort();
    if (XMLReader::dictionaryForXMLString(QString::fromUtf8(bytes)) != dictionary)
        std::abort();
    return 0;
}
