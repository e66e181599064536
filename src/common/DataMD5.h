#pragma once

#include <QString>

/// MD5 digests for payment signatures and for passwords on the wire.
// Kept name (traceability): see docs/names.md
class DataMD5
{
public:
    /// MD5 of the UTF-8 bytes, 32 upper-case hexadecimal digits.
    // Kept name (traceability): see docs/names.md
    QString md5(const QString &text) const;

    /// The payment signature: the non-empty parameters as name=value& in name order, then
    /// key= and the merchant API key, digested with md5().
    // Kept name (traceability): see docs/names.md
    QString createMD5SingForPay(const QString &appid, const QString &partnerid,
                                const QString &prepayid, const QString &package,
                                const QString &noncestr, quint32 timestamp) const;

    /// MD5 of the UTF-8 bytes, 32 lower-case hexadecimal digits: how passwords travel.
    // Kept name (traceability): see docs/names.md
    static QString accountMd5(const QString &text);
};
