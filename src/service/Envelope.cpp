#include "Envelope.h"

using namespace Qt::StringLiterals;

namespace Envelope {

QString escapeText(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;"_s;
            break;
        case u'<':
            escaped += u"&lt;"_s;
            break;
        case u'>':
            escaped += u"&gt;"_s;
            break;
        case u'\r':
            // A reader folds a raw carriage return into a line feed; a reference keeps it.
            escaped += u"&#13;"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

bool canCarry(QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
        if (c == 0xFFFE || c == 0xFFFF)
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 == value.size() || !QChar::isLowSurrogate(value[i + 1].unicode()))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

QString argumentDocument(ServiceOperation operation, const QHash<QString, QString> &values)
{
    // Kept name (wire): see docs/names.md
    QString document = u"<?xml version='1.0' encoding='utf-8'?><info>"_s;
    for (const ServiceField &field : operationInfo(operation).fields) {
        const QString value = field.fixedValue.value_or(values.value(field.name));
        document += u'<' + field.name + u'>' + escapeText(value) + u"</"_s + field.name + u'>';
    }
    document += u"</info>"_s;
    return document;
}

QString text(ServiceOperation operation, const QHash<QString, QString> &values)
{
    const QString &name = operationInfo(operation).name;
    // Kept name (wire): see docs/names.md
    return u"<s:Envelope xmlns:s=\""_s + soapNamespace + u"\"><s:Body><"_s + name + u" xmlns=\""_s +
           serviceNamespace + u"\" xmlns:i=\""_s + schemaInstanceNamespace +
           u"\"><arg0 xmlns=\"\">"_s + escapeText(argumentDocument(operation, values)) +
           u"</arg0></"_s + name + u"></s:Body></s:Envelope>"_s;
}

QByteArray body(ServiceOperation operation, const QHash<QString, QString> &values)
{
    return text(operation, values).toUtf8();
}

} // namespace Envelope
