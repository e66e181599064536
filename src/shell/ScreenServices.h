#pragma once

#include "account/AccountServices.h"

#include <QUrl>

class CareMode;
class Clock;
class ImageCache;
class NotificationCenter;
class PageFetcher;
class PaymentResults;
class ReceiptFolder;
class WalletSdk;

/// Everything the screens opened from home reach outside themselves. Home hands each screen
/// the pieces it needs; a test leaves out what the screens it drives do not use.
struct ScreenServices
{
    AccountServices account;
    ImageCache *imageCache = nullptr;
    QUrl websiteUrl;
    /// The in-app hub on which the arrears query announces its outcomes.
    NotificationCenter *notifications = nullptr;
    WalletSdk *wallet = nullptr;
    const Clock *clock = nullptr;
    PageFetcher *pageFetcher = nullptr;
    /// Where the wallet's answer to a payment reaches the screen that paid.
    PaymentResults *paymentResults = nullptr;
    /// Where the outlet map's tiles come from: a URL with "{z}", "{x}" and "{y}".
    QString tileUrl = {};
    /// Larger text and stronger contrast; switched on the home screen.
    CareMode *careMode = nullptr;
    /// Where the receipts of successful payments are kept; none are kept without it.
    ReceiptFolder *receipts = nullptr;
};
