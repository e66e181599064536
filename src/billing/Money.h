#pragma once

#include <QString>
#include <QStringView>
#include <optional>

/// Amounts of money, kept as whole fen in 64-bit integers.
///
/// The service writes amounts as decimal yuan texts; every sum, difference and order
/// amount is computed on fen so that no yuan is ever off by a rounding error.
namespace Money {

/// A decimal yuan text ("5", "-5.5", ".5", "12.345") in fen. Digits beyond the fen round
/// to the nearest fen, halves to even (12.345 gives 1234). Blanks, exponents and any other
/// character are refused, and so is an amount too large to be a bill.
std::optional<qint64> fenFromYuan(QStringView text);

/// The leading decimal amount of a text in fen, 0 when there is none: "12.5元" gives 1250,
/// " 3" gives 300, "abc" gives 0. This is how amounts received from the service are read.
qint64 fenFromLeadingYuan(QStringView text);

/// A whole number of fen written in digits ("8550"), as order requests carry them.
std::optional<qint64> fenFromDigits(QStringView text);

/// Two decimals: 1230 gives "12.30", -5 gives "-0.05".
QString yuanText(qint64 fen);

} // namespace Money
