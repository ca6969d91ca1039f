// The forms' Arial sized by its character cell.

#include "controls/QzFonts.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <vector>

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

TEST(QzArialFont, AFontconfigStandInGivesArialsSizesAndFaceAndAFamilyTheToolkitLacksIsLeftForArial)
{
    const QString standIn = FontconfigStandIn(QStringLiteral("Arial"));
    ASSERT_FALSE(standIn.isEmpty()) << "fontconfig names no face for Arial";
    struct TAsked {
        int Cell;
        bool Bold;
        QFont Font;
    };
    std::vector<TAsked> viaArial;
    for (const bool bold : {false, true})
        for (int cell = 1; cell <= 72; ++cell)
            viaArial.push_back({cell, bold, QzArialFont(cell, bold)});

    // Named directly, the stand-in is the face the toolkit draws Arial with,
    // at the same sizes.
    UseArialStandIn(standIn);
    for (const TAsked& asked : viaArial) {
        const QFont font = QzArialFont(asked.Cell, asked.Bold);
        EXPECT_EQ(font.family(), standIn);
        EXPECT_EQ(font.pixelSize(), asked.Font.pixelSize()) << "cell " << asked.Cell << (asked.Bold ? " bold" : "");
        EXPECT_EQ(QFontInfo(font).family(), QFontInfo(asked.Font).family());
    }

    // A family the toolkit does not list would draw some other face: Arial
    // is asked for after all.
    UseArialStandIn(QStringLiteral("Zindo No Such Family"));
    const QFont font = QzArialFont(16);
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(QFontInfo(font).family(), QFontInfo(viaArial[15].Font).family());
    EXPECT_EQ(font.pixelSize(), viaArial[15].Font.pixelSize());
    UseArialStandIn(QString());
}
