// The forms' Arial sized by its character cell.

#include "controls/QzFonts.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

using namespace zindo;

TEST(QzArialFont, PicksTheLargestPixelSizeWhoseCellFitsAsTryingEverySizeDownwardsWould)
{
    for (const bool bold : {false, true}) {
        for (int cell = 1; cell <= 72; ++cell) {
            // Every size from the cell down until one fits, with no shortcut.
            QFont plain;
            plain.setFamily(QStringLiteral("Arial"));
            plain.setBold(bold);
            int expected = cell;
            plain.setPixelSize(expected);
            while (expected > 1 && QFontMetrics(plain).height() > cell)
                plain.setPixelSize(--expected);

            const QFont font = QzArialFont(cell, bold);
            EXPECT_EQ(font.pixelSize(), expected) << "cell " << cell << (bold ? " bold" : "");
            EXPECT_EQ(font.bold(), bold);
            EXPECT_EQ(QzArialFont(cell, bold), font); // asked again, the same
        }
    }
}
