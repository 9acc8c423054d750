// Rows laid out with real font metrics: at two font sizes and in narrow and wide rows no piece
// runs out of its row or over another, every text has the lines it needs, and a table's rows
// line their second columns up or put them below the first where the row is narrow.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <limits>

#include "CellLayout.h"
#include "TableView.h"

namespace {

QFont fontOfSize(double points) {
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    return font;
}

// A list row: a long name in large type, two lines at the right.
TableViewCell listRow(const QString& name) {
    TableViewCell cell;
    cell.lines = {cellLine(name, TextStyle::title)};
    cell.side = {cellLine(QStringLiteral("AOS: 12:35:19 UTC"), TextStyle::body, CellColour::accent),
                 cellLine(QStringLiteral("in 12:05"), TextStyle::body, CellColour::accent)};
    return cell;
}

// A details row: captioned values on a line, then a button and a long comment.
TableViewCell recordRow() {
    TableViewCell cell;
    cell.lines = {{CellItem{QStringLiteral("Uplink"), QStringLiteral("145.990 MHz")},
                   CellItem{QStringLiteral("Downlink"), QStringLiteral("437.800 MHz")}},
                  {CellItem{QString(), QStringLiteral("Inactive"), TextStyle::emphasis,
                            CellColour::text, CellButton{}},
                   CellItem{QString(), QStringLiteral("FM voice repeater, call the station on "
                                                      "weekends between passes of the others")}}};
    return cell;
}

// Every piece within the width and the height, none over another, each tall enough for the
// lines its text needs at its width.
void expectSound(const CellGeometry& geometry, double width) {
    const QRectF row(0, 0, width, geometry.height);
    for (std::size_t i = 0; i < geometry.pieces.size(); ++i) {
        const PlacedPiece& piece = geometry.pieces[i];
        SCOPED_TRACE(piece.text.toStdString());
        EXPECT_TRUE(row.contains(piece.rect));
        const QRectF needed =
            QFontMetricsF(piece.font)
                .boundingRect(QRectF(0, 0, piece.rect.width(), std::numeric_limits<int>::max()),
                              piece.flags | Qt::TextWordWrap, piece.text);
        EXPECT_LE(needed.height(), piece.rect.height() + 0.5);
        EXPECT_LE(needed.width(), piece.rect.width() + 0.5);
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(piece.rect.intersects(geometry.pieces[j].rect))
                << "meets " << geometry.pieces[j].text.toStdString();
        }
    }
}

class CellLayoutAtSizes : public testing::TestWithParam<double> {};

TEST_P(CellLayoutAtSizes, NothingIsCutOffOrDrawnOverAnythingElse) {
    const QFont base = fontOfSize(GetParam());
    for (const double width : {300.0, 1200.0}) {
        SCOPED_TRACE(width);
        for (const TableViewCell& cell :
             {listRow(QStringLiteral("SAMPLE WEATHER 1")),
              listRow(QStringLiteral("A-NAME-WITHOUT-BLANKS-LONGER-THAN-ANY-ROW-IS-WIDE")),
              recordRow()}) {
            expectSound(layoutCell(cell, width, base, naturalWidths(cell, base)), width);
        }
    }
}

TEST_P(CellLayoutAtSizes, TheSecondColumnStandsBesideOrBelow) {
    const QFont base = fontOfSize(GetParam());
    const TableViewCell cell = listRow(QStringLiteral("SAMPLE STATION"));
    const ColumnWidths natural = naturalWidths(cell, base);
    const auto sideTop = [&](double width) {
        const CellGeometry geometry = layoutCell(cell, width, base, natural);
        return geometry.pieces.at(1).rect.top() - geometry.pieces.at(0).rect.bottom();
    };
    EXPECT_LT(sideTop(natural.main + natural.side + 50), 0) << "beside the name";
    EXPECT_GE(sideTop(natural.side + 20), 0) << "below the name";
    const double wide = 4 * (natural.main + natural.side);
    const CellGeometry geometry = layoutCell(cell, wide, base, natural);
    EXPECT_LT(geometry.pieces.at(1).rect.left(), wide / 2) << "close to the name, not the edge";
    EXPECT_GE(geometry.height, minimumRowHeight(base));
}

INSTANTIATE_TEST_SUITE_P(Fonts, CellLayoutAtSizes, testing::Values(9.0, 16.0));

TEST(CellLayout, RowsOfATableLineTheirSecondColumnsUp) {
    const QFont base = fontOfSize(10);
    const TableViewCell shortName = listRow(QStringLiteral("SAMPLE A"));
    const TableViewCell longName = listRow(QStringLiteral("SAMPLE WEATHER 12"));
    const ColumnWidths table =
        widest(naturalWidths(shortName, base), naturalWidths(longName, base));
    const double left = layoutCell(shortName, 600, base, table).pieces.at(1).rect.left();
    EXPECT_EQ(layoutCell(longName, 600, base, table).pieces.at(1).rect.left(), left);
    EXPECT_GT(left, naturalWidths(longName, base).main);
}

TEST(CellLayout, TextsNameTheRowForAssistiveTechnology) {
    const TableViewCell cell = recordRow();
    EXPECT_EQ(cell.texts().first(), "Uplink");
    EXPECT_TRUE(
        cell.accessibleText().startsWith("Uplink 145.990 MHz, Downlink 437.800 MHz, Inactive"));
    ASSERT_TRUE(cell.button());
    EXPECT_EQ(cell.button()->text, "Inactive");
    TableViewCell plain;
    plain.text = QStringLiteral("Sample navigation");
    EXPECT_EQ(plain.accessibleText(), "Sample navigation");
}

TEST(TextStyles, FollowTheDesktopFontAndNeverGoBelowItsSmallestSize) {
    const QFont base = fontOfSize(10);
    EXPECT_GT(fontFor(TextStyle::title, base).pointSizeF(), base.pointSizeF());
    EXPECT_TRUE(fontFor(TextStyle::emphasis, base).bold());
    EXPECT_EQ(fontFor(TextStyle::body, base), base);
    const QFont tiny = fontOfSize(smallestReadablePointSize());
    EXPECT_GE(fontFor(TextStyle::detail, tiny).pointSizeF(), smallestReadablePointSize());
    QFont pixels = base;
    pixels.setPixelSize(20);
    EXPECT_EQ(fontFor(TextStyle::title, pixels).pixelSize(), 25) << "pixel fonts grow in pixels";
}

TEST(TablePalette, RowsTakeTheirColoursFromThePalette) {
    struct Rows : TableViewDataSource {
        int numberOfRowsInSection(int) override { return 1; }
        TableViewCell cellForRow(IndexPath) override {
            TableViewCell cell;
            cell.text = QStringLiteral("MMMM");
            return cell;
        }
    } rows;
    TableView table(TableViewStyle::plain);
    QPalette dark = table.palette();
    dark.setColor(QPalette::Base, QColor(30, 32, 36));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    table.setPalette(dark);
    table.setDataSource(&rows);
    table.resize(300, 200);
    table.reloadData();
    const QImage picture = table.grab().toImage();
    const QRect row = table.rectForRow({0, 0});
    EXPECT_EQ(QColor(picture.pixel(row.right() - 40, row.center().y())), QColor(30, 32, 36));
    bool lightText = false;
    for (int x = row.left(); x < row.left() + 80; ++x) {
        lightText = lightText || QColor(picture.pixel(x, row.center().y())).lightness() > 150;
    }
    EXPECT_TRUE(lightText) << "the text is drawn in the palette's light text colour";
}

}  // namespace
