#pragma once

#include "Receipt.h"

#include <QString>
#include <optional>

class QIODevice;

/// Prints a receipt as an A5 PDF, set in a Chinese font embedded in the file.
namespace ReceiptPdf {

/// The family the receipt is set in: WenQuanYi Micro Hei loaded from its file, else any
/// installed font that writes Simplified Chinese. Nothing when the machine has none.
std::optional<QString> chineseFontFamily();

/// Writes the PDF to an open device; a message for the customer when it cannot.
std::optional<QString> write(const Receipt &receipt, QIODevice *device);

} // namespace ReceiptPdf
