#pragma once

#include <QByteArray>
#include <QByteArrayView>

/// The character encoding of a website page, chosen the way browsers choose it.
namespace PageEncoding {

/// How far into the page a `<meta>` charset is looked for.
inline constexpr qsizetype metaScanLength = 1024;

/// The encoding a charset label names, as browsers read labels: gb2312 and gbk are read as
/// GB18030 (a superset that holds characters such as 镕 the old labels lack), Latin-1 as
/// windows-1252, UTF-16 in a `<meta>` as UTF-8 (a page that could read its own `<meta>` is
/// no UTF-16). Empty for a label nothing here can decode.
QByteArray forLabel(QByteArrayView label, bool inMeta = false);

/// The encoding to read the page in: a byte order mark, else the Content-Type header's
/// charset, else a `<meta>` charset within the first metaScanLength bytes, else UTF-8 when
/// the bytes are valid UTF-8, else GB18030 (what a browser set up for Chinese assumes).
QByteArray of(QByteArrayView page, QByteArrayView headerCharset);

/// The page as UTF-8, read in the encoding `of` gives; bytes that do not decode become
/// U+FFFD, so that one bad byte does not end the page.
QByteArray toUtf8(const QByteArray &page, QByteArrayView headerCharset);

} // namespace PageEncoding
