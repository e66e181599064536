#pragma once

#include <QString>
#include <QStringView>
#include <optional>

/// Money is kept in whole fen; texts on the wire are decimal yuan or whole fen.
namespace sandbox::Money {

/// Two decimals, as the service writes amounts: 1230 gives "12.30".
QString yuanText(qint64 fen);

/// A decimal yuan text ("5", "5.5", "12.345") in fen. Digits beyond the fen round to the
/// nearest fen, halves to even, as the app rounds. Signs, blanks and exponents are refused.
std::optional<qint64> fenFromYuan(QStringView text);

/// A whole number of fen, digits only.
std::optional<qint64> fenFromDigits(QStringView text);

} // namespace sandbox::Money
