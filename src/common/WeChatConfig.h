#pragma once

#include <QString>

/// The app's WeChat Pay registration: app id, merchant id and merchant API key.
namespace WeChatConfig {

inline const QString appId = QStringLiteral("wx5d0c3f1a9e7b2468");
inline const QString merchantId = QStringLiteral("1298765430");
/// Enters the signature only; it is never sent anywhere.
inline const QString apiKey = QStringLiteral("3f9a1c07d2b84e6f5a0c9e1b7d3f2a64");
inline const QString package = QStringLiteral("Sign=WXPay");

} // namespace WeChatConfig
