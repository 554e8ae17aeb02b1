#pragma once

#include <QString>

// The main window's style sheets, kept as ":/Styles/*.qss" resources.
namespace MainStyle {

QString window();
// The tab bar sits right of the signal list on the setting and About pages.
QString tabs(bool shifted);

} // namespace MainStyle
