#pragma once

#include <QString>

/// The account format check of sign-in and registration: an 11-digit mobile number whose
/// prefix the operators hand out (130-139, 150-153, 155-159, 180-183, 185-189).
// Kept name (traceability): see docs/names.md
bool isMobile(const QString &account);
