#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariantMap>

/// Writing results to the terminal: UTF-8 text on stdout, messages on stderr.
namespace CliOutput {

void print(const QString &text);
void printJson(const QJsonValue &value);
void error(const QString &message);

/// A document dictionary as an indented tree, one element or attribute per line.
QString dictionaryTree(const QVariantMap &dictionary);

} // namespace CliOutput
