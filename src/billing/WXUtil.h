#pragma once

#include <QString>

/// Digest helper of the payment hand-off, used for the nonce.
// Kept name (traceability): see docs/names.md
class WXUtil
{
public:
    /// MD5 of the UTF-8 bytes, 32 upper-case hexadecimal digits.
    // Kept name (traceability): see docs/names.md
    static QString md5(const QString &text);
};
