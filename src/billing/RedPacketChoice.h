#pragma once

#include <QString>

/// A red packet chosen for a payment: its id, its amount in yuan as listed, and its name.
struct RedPacketChoice
{
    // Kept name (traceability): see docs/names.md
    QString hbid;
    QString hbje;
    QString hbmc;
};
