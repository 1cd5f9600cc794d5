// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <string_view>
#include <vector>

namespace ql::imagegen {

// A hand-set bold capital face, 9 pixels high. Drawn pixel by pixel so the small labels stay
// crisp at their real size instead of being smeared by font hinting.
class PixelFont {
  public:
    static constexpr int kHeight = 9;

    static int textWidth(const QString& text, int spacing);
    // Draws into an image already filled with the background.
    static void draw(QImage& image, int x, int y, const QString& text, int spacing);
    static bool hasGlyph(QChar c);
};

// Paints '#' cells of the rows in ink, the row strings' first cell at (x, y).
void drawPixelArt(QImage& image, int x, int y, const std::vector<std::string_view>& rows);

} // namespace ql::imagegen
