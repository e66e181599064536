#pragma once

#include "PayRecord.h"

#include <QVariantList>

/// The texts of one row of the payment record list.
// Kept name (traceability): see docs/names.md
namespace LPQueryTableViewCell {

/// Three lines, each a map with "caption" and "value": the account, the payment date and
/// the amount followed by 元, every value as listed.
// Kept name (traceability): see docs/names.md
QVariantList setDic(const PayRecord &dic);

} // namespace LPQueryTableViewCell
