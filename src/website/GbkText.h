#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

/// GB18030 pages read quickly: the company's pages are GBK proper, ASCII and two-byte
/// characters, which a table decodes byte pair by byte pair.
namespace GbkText {

/// The page as UTF-8 when it holds only ASCII and two-byte characters, each decoded as the
/// GB18030 converter decodes it; nothing when any byte is something else (a four-byte
/// character, a byte that does not decode), so that the converter reads that page whole.
std::optional<QByteArray> toUtf8(QByteArrayView page);

} // namespace GbkText
