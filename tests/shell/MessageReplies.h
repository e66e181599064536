#pragma once

#include "BadReplies.h"
#include "service/Envelope.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// `backMessage` replies as the service writes them.
namespace MessageReplies {

using namespace Qt::StringLiterals;

struct Message
{
    std::optional<QString> title;
    std::optional<QString> text;
    std::optional<QString> id;
};

/// The envelope around a return text, escaped as the service escapes it.
inline QByteArray envelope(const QString &returnText)
{
    return BadReplies::documentReply(u"backMessage"_s, returnText);
}

/// `info` with one `queryList` element per message; a member left unset has no element.
inline QByteArray messages(const QList<Message> &list)
{
    QString document = u"<info>"_s;
    for (const Message &message : list) {
        document += u"<queryList>"_s;
        if (message.title)
            document += u"<titles>"_s + Envelope::escapeText(*message.title) + u"</titles>"_s;
        if (message.text)
            document += u"<contexts>"_s + Envelope::escapeText(*message.text) + u"</contexts>"_s;
        if (message.id)
            document += u"<msgid>"_s + Envelope::escapeText(*message.id) + u"</msgid>"_s;
        document += u"</queryList>"_s;
    }
    return envelope(document + u"</info>"_s);
}

} // namespace MessageReplies
