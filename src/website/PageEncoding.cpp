#include "PageEncoding.h"

#include "GbkText.h"

#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace PageEncoding {

namespace {

const QByteArray utf8 = "UTF-8";
const QByteArray gb18030 = "GB18030";

bool among(QByteArrayView label, std::initializer_list<const char *> labels)
{
    for (const char *known : labels) {
        if (label == known)
            return true;
    }
    return false;
}

// The charset of the first `<meta charset>` or `<meta http-equiv content>` in the bytes that
// names an encoding; comments are passed over, as browsers do.
QByteArray metaEncoding(QByteArrayView start)
{
    static const QRegularExpression tagOrComment(
        u"<!--.*?-->|<meta[\\s/]([^>]*)>"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attribute(
        u"([^\\s\"'/=>]+)\\s*(?:=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+)))?"_s);
    static const QRegularExpression contentCharset(u"charset\\s*=\\s*[\"']?([^\\s;\"']+)"_s,
                                                   QRegularExpression::CaseInsensitiveOption);

    const QString text = QString::fromLatin1(start);
    for (const QRegularExpressionMatch &tag : tagOrComment.globalMatch(text)) {
        if (!tag.hasCaptured(1))
            continue;
        QString charset;
        QString content;
        bool contentType = false;
        for (const QRegularExpressionMatch &pair : attribute.globalMatch(tag.captured(1))) {
            const QString name = pair.captured(1).toLower();
            QString value = pair.captured(2) + pair.captured(3) + pair.captured(4);
            if (name == u"charset" && charset.isNull())
                charset = value;
            else if (name == u"content")
                content = value;
            else if (name == u"http-equiv")
                contentType = value.trimmed().compare(u"content-type", Qt::CaseInsensitive) == 0;
        }
        if (charset.isNull() && contentType)
            charset = contentCharset.match(content).captured(1);
        if (!charset.isEmpty()) {
            if (QByteArray encoding = forLabel(charset.toLatin1(), true); !encoding.isEmpty())
                return encoding;
        }
    }
    return {};
}

} // namespace

QByteArray forLabel(QByteArrayView label, bool inMeta)
{
    const QByteArray name = label.trimmed().toByteArray().toLower();
    if (name.isEmpty())
        return {};
    if (among(name, {"gb2312", "gbk", "x-gbk", "gb_2312", "gb_2312-80", "chinese", "csgb2312",
                     "csiso58gb231280", "iso-ir-58", "gb18030"}))
        return gb18030;
    if (among(name, {"utf-8", "utf8", "unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8",
                     "x-unicode20utf8"}))
        return utf8;
    if (among(name, {"iso-8859-1", "iso8859-1", "iso88591", "iso_8859-1", "iso_8859-1:1987",
                     "latin1", "l1", "us-ascii", "ascii", "ansi_x3.4-1968", "cp819", "ibm819",
                     "iso-ir-100", "csisolatin1", "cp1252", "windows-1252", "x-cp1252"}))
        return "windows-1252";
    if (among(name, {"utf-16", "utf-16le", "unicode", "ucs-2", "csunicode", "iso-10646-ucs-2",
                     "unicodefeff"}))
        return inMeta ? utf8 : QByteArray("UTF-16LE");
    if (among(name, {"utf-16be", "unicodefffe"}))
        return inMeta ? utf8 : QByteArray("UTF-16BE");
    // Any other label counts when a decoder knows it (Big5, Shift_JIS, ...).
    return QStringDecoder(name.constData()).isValid() ? name : QByteArray();
}

QByteArray of(QByteArrayView page, QByteArrayView headerCharset)
{
    if (page.startsWith("\xEF\xBB\xBF"))
        return utf8;
    if (page.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    if (page.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    if (QByteArray encoding = forLabel(headerCharset); !encoding.isEmpty())
        return encoding;
    if (QByteArray encoding = metaEncoding(page.first(qMin(page.size(), metaScanLength)));
        !encoding.isEmpty())
        return encoding;
    return page.isValidUtf8() ? utf8 : gb18030;
}

QByteArray toUtf8(const QByteArray &page, QByteArrayView headerCharset)
{
    const QByteArray encoding = of(page, headerCharset);
    if (encoding == utf8 && page.isValidUtf8())
        return page.startsWith("\xEF\xBB\xBF") ? page.sliced(3) : page;
    if (encoding == gb18030) {
        if (std::optional<QByteArray> text = GbkText::toUtf8(page))
            return *text;
    }
    // The decoder drops a leading byte order mark and replaces what does not decode.
    QStringDecoder decoder(encoding.constData());
    return QString(decoder(page)).toUtf8();
}

} // namespace PageEncoding
