#pragma once
// Window geometry is stated in twips and colours as &H00BBGGRR; these convert them for Qt.

#include <QColor>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace recibo::ui {

// 15 twips make one logical pixel at 96 dpi; Qt scales logical pixels for high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel; }
inline QPoint pointAt(int leftTwips, int topTwips) { return {px(leftTwips), px(topTwips)}; }
inline QSize sizeOf(int widthTwips, int heightTwips) { return {px(widthTwips), px(heightTwips)}; }
inline QRect rectOf(int left, int top, int width, int height)
{
    return {pointAt(left, top), sizeOf(width, height)};
}

// &H00BBGGRR: the low byte is red.
constexpr QRgb rgbOf(unsigned bbggrr)
{
    return qRgb(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                static_cast<int>((bbggrr >> 16) & 0xFF));
}
inline QColor colorOf(unsigned bbggrr) { return QColor::fromRgb(rgbOf(bbggrr)); }

// Gives one colour role of a widget's palette an &H00BBGGRR colour.
inline void setColour(QWidget *widget, QPalette::ColorRole role, unsigned bbggrr)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colorOf(bbggrr));
    widget->setPalette(palette);
}

}  // namespace recibo::ui
