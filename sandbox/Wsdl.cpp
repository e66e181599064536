#include "Wsdl.h"

#include "service/Envelope.h"
#include "service/ServiceOperation.h"

#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace sandbox {

namespace {

const QString wsdlNamespace = u"http://schemas.xmlsoap.org/wsdl/"_s;
const QString wsdlSoapNamespace = u"http://schemas.xmlsoap.org/wsdl/soap/"_s;
const QString schemaNamespace = u"http://www.w3.org/2001/XMLSchema"_s;
const QString serviceName = u"AppService"_s;

// <xsd:element name=NAME type=tns:NAME/> and its type: a sequence of one optional string.
void writeWrapper(QXmlStreamWriter &xml, const QString &name, const QString &child)
{
    xml.writeStartElement(schemaNamespace, u"element"_s);
    xml.writeAttribute(u"name"_s, name);
    xml.writeAttribute(u"type"_s, u"tns:"_s + name);
    xml.writeEndElement();
    xml.writeStartElement(schemaNamespace, u"complexType"_s);
    xml.writeAttribute(u"name"_s, name);
    xml.writeStartElement(schemaNamespace, u"sequence"_s);
    xml.writeStartElement(schemaNamespace, u"element"_s);
    xml.writeAttribute(u"name"_s, child);
    xml.writeAttribute(u"type"_s, u"xsd:string"_s);
    xml.writeAttribute(u"minOccurs"_s, u"0"_s);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeMessage(QXmlStreamWriter &xml, const QString &name)
{
    xml.writeStartElement(wsdlNamespace, u"message"_s);
    xml.writeAttribute(u"name"_s, name);
    xml.writeStartElement(wsdlNamespace, u"part"_s);
    xml.writeAttribute(u"name"_s, u"parameters"_s);
    xml.writeAttribute(u"element"_s, u"tns:"_s + name);
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeLiteralBody(QXmlStreamWriter &xml, const QString &direction)
{
    xml.writeStartElement(wsdlNamespace, direction);
    xml.writeStartElement(wsdlSoapNamespace, u"body"_s);
    xml.writeAttribute(u"use"_s, u"literal"_s);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

QByteArray wsdlDocument(const QUrl &serviceAddress)
{
    const QString target = Envelope::serviceNamespace;
    QByteArray document;
    QXmlStreamWriter xml(&document);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeNamespace(wsdlNamespace, u"wsdl"_s);
    xml.writeNamespace(wsdlSoapNamespace, u"soap"_s);
    xml.writeNamespace(schemaNamespace, u"xsd"_s);
    xml.writeNamespace(target, u"tns"_s);
    xml.writeStartElement(wsdlNamespace, u"definitions"_s);
    xml.writeAttribute(u"name"_s, serviceName);
    xml.writeAttribute(u"targetNamespace"_s, target);

    xml.writeStartElement(wsdlNamespace, u"types"_s);
    xml.writeStartElement(schemaNamespace, u"schema"_s);
    xml.writeAttribute(u"targetNamespace"_s, target);
    xml.writeAttribute(u"elementFormDefault"_s, u"unqualified"_s);
    for (const ServiceOperationInfo &operation : serviceOperations()) {
        writeWrapper(xml, operation.name, u"arg0"_s);
        writeWrapper(xml, operation.name + u"Response"_s, u"return"_s);
    }
    xml.writeEndElement();
    xml.writeEndElement();

    for (const ServiceOperationInfo &operation : serviceOperations()) {
        writeMessage(xml, operation.name);
        writeMessage(xml, operation.name + u"Response"_s);
    }

    xml.writeStartElement(wsdlNamespace, u"portType"_s);
    xml.writeAttribute(u"name"_s, serviceName);
    for (const ServiceOperationInfo &operation : serviceOperations()) {
        xml.writeStartElement(wsdlNamespace, u"operation"_s);
        xml.writeAttribute(u"name"_s, operation.name);
        xml.writeStartElement(wsdlNamespace, u"input"_s);
        xml.writeAttribute(u"message"_s, u"tns:"_s + operation.name);
        xml.writeEndElement();
        xml.writeStartElement(wsdlNamespace, u"output"_s);
        xml.writeAttribute(u"message"_s, u"tns:"_s + operation.name + u"Response"_s);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(wsdlNamespace, u"binding"_s);
    xml.writeAttribute(u"name"_s, serviceName + u"PortBinding"_s);
    xml.writeAttribute(u"type"_s, u"tns:"_s + serviceName);
    xml.writeStartElement(wsdlSoapNamespace, u"binding"_s);
    xml.writeAttribute(u"transport"_s, u"http://schemas.xmlsoap.org/soap/http"_s);
    xml.writeAttribute(u"style"_s, u"document"_s);
    xml.writeEndElement();
    for (const ServiceOperationInfo &operation : serviceOperations()) {
        xml.writeStartElement(wsdlNamespace, u"operation"_s);
        xml.writeAttribute(u"name"_s, operation.name);
        xml.writeStartElement(wsdlSoapNamespace, u"operation"_s);
        xml.writeAttribute(u"soapAction"_s, QString());
        xml.writeEndElement();
        writeLiteralBody(xml, u"input"_s);
        writeLiteralBody(xml, u"output"_s);
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(wsdlNamespace, u"service"_s);
    xml.writeAttribute(u"name"_s, serviceName);
    xml.writeStartElement(wsdlNamespace, u"port"_s);
    xml.writeAttribute(u"name"_s, serviceName + u"Port"_s);
    xml.writeAttribute(u"binding"_s, u"tns:"_s + serviceName + u"PortBinding"_s);
    xml.writeStartElement(wsdlSoapNamespace, u"address"_s);
    xml.writeAttribute(u"location"_s, serviceAddress.toString());
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeEndDocument();
    return document;
}

} // namespace sandbox
