#pragma once

#include <QString>
#include <chrono>

/// What the information screens say and run around the pages they show.
namespace InfoTexts {

inline constexpr QStringView alertTitle = u"温馨提示";
inline constexpr QStringView alertButton = u"确定";
/// A page that cannot be fetched, within pageTimeout.
inline constexpr QStringView networkFailure = u"网络异常!";

/// How long a notice, guide, publicity or about page may take.
inline constexpr std::chrono::milliseconds pageTimeout{5000};

/// The script that fits the shown markup to the web view's width (six decimals).
QString viewportScript(double width);

} // namespace InfoTexts
