// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelFont.h"

#include "Palette.h"

#include <QPainter>
#include <map>

namespace ql::imagegen {

namespace {

using Glyph = std::vector<std::string_view>;

const std::map<char, Glyph>& glyphs() {
    static const std::map<char, Glyph> table = {
        {'A',
         {"..##..", ".####.", "##..##", "##..##", "##..##", "######", "##..##", "##..##",
          "##..##"}},
        {'D',
         {"#####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##",
          "#####."}},
        {'E', {"#####", "##...", "##...", "##...", "####.", "##...", "##...", "##...", "#####"}},
        {'F', {"#####", "##...", "##...", "##...", "####.", "##...", "##...", "##...", "##..."}},
        {'H',
         {"##..##", "##..##", "##..##", "##..##", "######", "##..##", "##..##", "##..##",
          "##..##"}},
        {'I', {"##", "##", "##", "##", "##", "##", "##", "##", "##"}},
        {'M',
         {"##....##", "###..###", "########", "##.##.##", "##....##", "##....##", "##....##",
          "##....##", "##....##"}},
        {'N',
         {"##...##", "###..##", "###..##", "##.#.##", "##.#.##", "##.#.##", "##..###", "##..###",
          "##...##"}},
        {'O',
         {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##",
          ".####."}},
        {'P',
         {"#####.", "##..##", "##..##", "##..##", "#####.", "##....", "##....", "##....",
          "##...."}},
        {'R',
         {"#####.", "##..##", "##..##", "##..##", "#####.", "##.##.", "##..##", "##..##",
          "##..##"}},
        {'S',
         {".####.", "##..##", "##....", "##....", ".####.", "....##", "....##", "##..##",
          ".####."}},
        {'T',
         {"######", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..",
          "..##.."}},
        {'U',
         {"##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##",
          ".####."}},
        {'W',
         {"##....##", "##....##", "##....##", "##....##", "##.##.##", "##.##.##", "##.##.##",
          "########", ".##..##."}},
    };
    return table;
}

const Glyph& glyph(QChar c) {
    return glyphs().at(c.toLatin1());
}

} // namespace

bool PixelFont::hasGlyph(QChar c) {
    return glyphs().count(c.toLatin1()) > 0;
}

int PixelFont::textWidth(const QString& text, int spacing) {
    int width = 0;
    for (QChar c : text)
        width += int(glyph(c).front().size()) + spacing;
    return text.isEmpty() ? 0 : width - spacing;
}

void PixelFont::draw(QImage& image, int x, int y, const QString& text, int spacing) {
    for (QChar c : text) {
        const Glyph& g = glyph(c);
        drawPixelArt(image, x, y, g);
        x += int(g.front().size()) + spacing;
    }
}

void drawPixelArt(QImage& image, int x, int y, const std::vector<std::string_view>& rows) {
    QPainter painter(&image);
    for (int row = 0; row < int(rows.size()); ++row)
        for (int col = 0; col < int(rows[row].size()); ++col)
            if (rows[row][col] == '#') painter.fillRect(x + col, y + row, 1, 1, kInk);
}

} // namespace ql::imagegen
