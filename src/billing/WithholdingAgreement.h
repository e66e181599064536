#pragma once

#include <QString>

/// The withholding service agreement the customer accepts before every payment.
namespace WithholdingAgreement {

/// The whole agreement, title first, as one paragraph. Both pay actions show this same text.
QString text();

} // namespace WithholdingAgreement
