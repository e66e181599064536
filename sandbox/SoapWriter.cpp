#include "SoapWriter.h"

#include "service/Envelope.h"

using namespace Qt::StringLiterals;

namespace sandbox {

XmlBuilder::XmlBuilder(const QString &root)
{
    open(root);
}

XmlBuilder &XmlBuilder::open(const QString &name)
{
    m_text += u'<' + name + u'>';
    m_open.append(name);
    return *this;
}

XmlBuilder &XmlBuilder::close()
{
    if (!m_open.isEmpty())
        m_text += u"</"_s + m_open.takeLast() + u'>';
    return *this;
}

XmlBuilder &XmlBuilder::element(const QString &name, const QString &text)
{
    m_text += u'<' + name + u'>' + Envelope::escapeText(text) + u"</"_s + name + u'>';
    return *this;
}

QString XmlBuilder::finish()
{
    while (!m_open.isEmpty())
        close();
    return m_text;
}

namespace SoapWriter {

namespace {

QByteArray envelope(const QString &body)
{
    return (u"<soap:Envelope xmlns:soap=\""_s + Envelope::soapNamespace + u"\"><soap:Body>"_s +
            body + u"</soap:Body></soap:Envelope>"_s)
        .toUtf8();
}

} // namespace

QByteArray response(const QString &operation, const std::optional<QString> &returnText)
{
    const QString element = u"ns0:"_s + operation + u"Response"_s;
    QString body = u'<' + element + u" xmlns:ns0=\""_s + Envelope::serviceNamespace + u"\">"_s;
    if (returnText)
        body += u"<return>"_s + Envelope::escapeText(*returnText) + u"</return>"_s;
    body += u"</"_s + element + u'>';
    return envelope(body);
}

QByteArray fault(const SoapFault &fault)
{
    return envelope(u"<soap:Fault><faultcode>soap:"_s + fault.code +
                    u"</faultcode><faultstring>"_s + Envelope::escapeText(fault.message) +
                    u"</faultstring></soap:Fault>"_s);
}

} // namespace SoapWriter
} // namespace sandbox
