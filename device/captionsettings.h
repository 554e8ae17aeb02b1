#pragma once

#include <QString>

// The device's caption (scrolling text) settings, as the caption record reports them.
struct CaptionSettings
{
    bool switchOn = false;                           // "Switch"
    int speed = 0;                                   // "Speed"
    QString color = QStringLiteral("255,255,255");   // "Color"
    int x = 0;                                       // "Position_x"
    int y = 0;                                       // "Position_y"
    bool bgSwitchOn = false;                         // "Bg_switch"
    QString bgColor = QStringLiteral("255,255,255"); // "Bg_Color"
    QString direction = QStringLiteral("left");      // "Move_dir"

    bool operator==(const CaptionSettings &o) const
    {
        return switchOn == o.switchOn && speed == o.speed && color == o.color && x == o.x &&
               y == o.y && bgSwitchOn == o.bgSwitchOn && bgColor == o.bgColor &&
               direction == o.direction;
    }
    bool operator!=(const CaptionSettings &o) const { return !(*this == o); }
};
