#pragma once

#include "SoapRequest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace sandbox {

/// A small reply document written without white space between elements, since the app
/// counts the children of some elements and reads stray text as content.
class XmlBuilder
{
public:
    explicit XmlBuilder(const QString &root);

    XmlBuilder &open(const QString &name);
    XmlBuilder &close();
    XmlBuilder &element(const QString &name, const QString &text);
    /// Closes what is still open and gives the document.
    QString finish();

private:
    QString m_text;
    QStringList m_open;
};

/// The outer envelopes. The prefixes "soap" and "ns0" are fixed: the app finds the return
/// text by those very names.
namespace SoapWriter {

/// `<ns0:OPResponse>` with `<return>` holding the escaped text; without text, no `return`
/// element at all (a null result).
QByteArray response(const QString &operation, const std::optional<QString> &returnText);

QByteArray fault(const SoapFault &fault);

} // namespace SoapWriter
} // namespace sandbox
