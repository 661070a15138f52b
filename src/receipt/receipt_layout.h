#pragma once
// Where everything stands on the receipt window, in twips, and how the totals block follows the
// number of rows. Shared by building the window, showing a receipt and the tests.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "receipt.h"
#include "twips.h"

namespace recibo::receipt {

// Colours as &H00BBGGRR.
inline constexpr unsigned kWindowColour = 0x00C0C000;
inline constexpr unsigned kFrameDesignColour = 0x00FFFFC0;
inline constexpr unsigned kFrameAfterPrintColour = 0x00FFFF00;
inline constexpr unsigned kWhite = 0x00FFFFFF;
inline constexpr unsigned kVolverColour = 0x00FFFFC0;
inline constexpr unsigned kImprimirColour = 0x00FFFF80;
inline constexpr unsigned kSalirColour = 0x00FFFF00;

inline constexpr double kFontPoints = 9.75;

// Client area at design time.
inline constexpr int kClientWidth = 11880;
inline constexpr int kClientHeight = 8595;

// The frame `sosten`; everything inside it is placed relative to it.
inline constexpr int kFrameLeft = 840;
inline constexpr int kFrameDesignTop = 0;
inline constexpr int kFrameWidth = 6840;
inline constexpr int kFrameDesignHeight = 12000;

// The teacher's name at the top of the frame; it grows with a longer name.
inline constexpr int kNameLeft = 3030;
inline constexpr int kNameTop = 210;
inline constexpr int kNameWidth = 3135;
inline constexpr int kNameHeight = 375;

// Row slots.
inline constexpr int kReceiptRowHeight = 315;
inline constexpr int kFirstRowTop = 735;
inline constexpr int kCellHeight = 300;
inline constexpr int kCodLeft = 510;
inline constexpr int kCodWidth = 495;
inline constexpr int kMiddleLeft = 1140;
inline constexpr int kMiddleWidth = 495;
inline constexpr int kDescriptionLeft = 1770;
inline constexpr int kDescriptionWidth = 2355;
inline constexpr int kEarningsRight = 5250;
inline constexpr int kDeductionsRight = 6450;
inline constexpr int kRowLineOffset = kReceiptRowHeight;  // the rule under a row lies one row below its top
inline constexpr int kRulesLeft = 300;
inline constexpr int kLine7X = 1035;  // right of the code column
inline constexpr int kLine5X = 1665;  // right of the middle column
inline constexpr int kLine2X = 4185;  // right of the description column
inline constexpr int kLine1X = 5340;  // right of the earnings column
inline constexpr int kRulesRight = 6570;

constexpr int rowTop(std::size_t slot) { return kFirstRowTop + kReceiptRowHeight * static_cast<int>(slot); }

// The widest a cell may be between its left edge (or right edge) and the next rule, one pixel clear.
inline constexpr int kDescriptionMaxWidth = ui::px(kLine2X) - ui::px(kDescriptionLeft) - 1;
inline constexpr int kMiddleMaxWidth = ui::px(kLine5X) - ui::px(kMiddleLeft) - 1;
inline constexpr int kEarningsMaxWidth = ui::px(kEarningsRight) - ui::px(kLine2X) - 2;
inline constexpr int kDeductionsMaxWidth = ui::px(kDeductionsRight) - ui::px(kLine1X) - 2;

// Totals block; every receipt moves it below its last row.
inline constexpr int kTotalsCaptionLeft = 1770;
inline constexpr int kTotalsHeight = 330;
inline constexpr int kHaberesRight = kEarningsRight;      // aligned with the earnings amounts
inline constexpr int kDescuentosRight = kDeductionsRight;  // aligned with the deduction amounts
inline constexpr int kLiquidoRight = kDeductionsRight;
inline constexpr int kLine6Width = 3;

// Where the totals block and the frame rules stand for a receipt of `rows` rows, in frame twips.
struct TotalsLayout {
    int rulesBottom;    // Y2 of Line1, Line2, Line3(0), Line3(1), Line5, Line7
    int line6;          // Y1 = Y2 of Line6
    int haberesTop;     // Top of thaberes and Label15
    int line15;
    int descuentosTop;  // Top of tdescuentos and Label16
    int line16;
    int liquidoTop;     // Top of liquido and Label17
    int line17;
};

constexpr TotalsLayout totalsLayout(std::size_t rows)
{
    const int offset = kReceiptRowHeight * static_cast<int>(rows);
    return TotalsLayout{2350 + offset, 1050 + offset, 1250 + offset, 1550 + offset,
                        1650 + offset, 1950 + offset, 2050 + offset, 2350 + offset};
}

// The header block right of the frame: the position's name grows with its text, on two lines down
// to the title below it when it is long.
inline constexpr int kCarselLeft = 7680;
inline constexpr int kCarselTop = 360;
inline constexpr int kCarselWidth = 3360;
inline constexpr int kCarselHeight = 300;
inline constexpr int kCarselRoomHeight = 840 - kCarselTop;  // down to Label11
inline constexpr int kNameClearance = 60;  // kept free between a name and the scroll bar

// The scroll bar `movedor`.
inline constexpr int kMovedorLeft = 11520;
inline constexpr int kMovedorTop = 0;
inline constexpr int kMovedorWidth = 345;
inline constexpr int kScrollBarShortening = 400;  // scroll bar height = outer height - 400
// Below this the bar keeps room for its two arrow buttons instead of going negative.
inline constexpr int kMinScrollBarHeight = 2 * kMovedorWidth;
inline constexpr int kFrameTopAtZero = 100;  // frame top = 100 - value
inline constexpr int kScrollStart = 100;     // the value that leaves the frame at its design top
inline constexpr int kSmallChange = 100;
inline constexpr int kLargeChange = 500;
inline constexpr int kMaxScrollValue = std::numeric_limits<std::int16_t>::max();  // the value is 16-bit
// Before the first receipt the last totals rule stands at its design place, in frame twips.
inline constexpr int kDesignReceiptBottom = 8520;
inline constexpr int kBottomMargin = 300;  // white space left under the last rule at the end of the range
// The frame grows by the value at every scroll; we stop it at the largest 16-bit twips height
// (2184 pixels), far inside the platform's widget size limit, so it can never overflow.
inline constexpr int kMaxFrameHeight = std::numeric_limits<std::int16_t>::max();

// The two buttons under the header's boxes: "Cómo se calculó", and under it "Comparar con mi
// recibo", as wide as the room left of "Salir" and ending above the printing note.
struct ButtonPlace {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr ButtonPlace kExplainPlace{7680, 6405, 1575, 375};
inline constexpr ButtonPlace kComparePlace{7680, 6810, 2115, 375};

// Below this size the buttons or the scroll bar would leave the window: the scroll bar's right edge,
// and the bottom of the lowest button with a margin.
inline constexpr int kButtonsBottom = kComparePlace.top + kComparePlace.height;
inline constexpr int kMinClientWidth = kMovedorLeft + kMovedorWidth;
inline constexpr int kMinClientHeight = kButtonsBottom + 240;

// The "TOVIL" column: Text2 .. Text9, indexed by number - 2.
inline constexpr int kTovilLeft = 120;
inline constexpr int kTovilWidth = 615;
inline constexpr int kTovilHeight = 255;
struct TovilBox {
    int top;
    unsigned colour;
};
inline constexpr std::array<TovilBox, 8> kTovil{{
    {840, 0x00C0C0C0},   // Text2
    {360, 0x00E0E0E0},   // Text3
    {1800, 0x00404040},  // Text4
    {1320, 0x00808080},  // Text5
    {3240, 0x00808080},  // Text6
    {2280, 0x00E0E0E0},  // Text7
    {3720, 0x00404040},  // Text8
    {2760, 0x00C0C0C0},  // Text9
}};

}  // namespace recibo::receipt
