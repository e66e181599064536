#include "InfoTexts.h"

using namespace Qt::StringLiterals;

namespace InfoTexts {

QString viewportScript(double width)
{
    return u"document.getElementsByName(\"viewport\")[0].content = \"width=%1, "
           u"initial-scale=1.0, minimum-scale=1.0, maximum-scale=1.0, user-scalable=no\""_s.arg(
               QString::number(width, 'f', 6));
}

} // namespace InfoTexts
