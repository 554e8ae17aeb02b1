#pragma once

#include <QString>

// The main window's style sheets, kept as ":/Styles/*.qss" resources.
namespace MainStyle {

QString window();
// The page tabs with the bar moved `left` pixels right (the setting and About pages).
QString tabs(int left);

} // namespace MainStyle
