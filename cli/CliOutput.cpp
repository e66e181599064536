#include "CliOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace CliOutput {

namespace {

void write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void appendTree(QString &out, const QString &name, const QVariant &value, int depth)
{
    const QString indent(depth * 2, u' ');
    switch (value.typeId()) {
    case QMetaType::QVariantList: {
        const QVariantList list = value.toList();
        for (const QVariant &item : list)
            appendTree(out, name, item, depth);
        break;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        out += indent + name;
        if (map.contains(u"text"_s))
            out += u" = \""_s + map.value(u"text"_s).toString() + u'"';
        out += u'\n';
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            if (it.key() != u"text"_s)
                appendTree(out, it.key(), it.value(), depth + 1);
        }
        break;
    }
    default:
        out += indent + u'@' + name + u" = \""_s + value.toString() + u"\"\n"_s;
    }
}

} // namespace

void print(const QString &text)
{
    write(stdout, text.endsWith(u'\n') ? text : text + u'\n');
}

void printJson(const QJsonValue &value)
{
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    write(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)));
}

void error(const QString &message)
{
    write(stderr, u"tarvo-cli: "_s + message + u'\n');
}

QString dictionaryTree(const QVariantMap &dictionary)
{
    QString out;
    for (auto it = dictionary.constBegin(); it != dictionary.constEnd(); ++it)
        appendTree(out, it.key(), it.value(), 0);
    return out;
}

} // namespace CliOutput
