// The main window's painted background: a brick wall, the title panel, a
// little picture of the game, the button panel with the faces in place, the
// frame around the play field and a calm band for the status texts. Also
// the About logo and the application icon, which share its motifs.
#include "art.h"
#include "program_art.h"
#include "rng.h"

#include <cmath>

namespace gen {
namespace {

constexpr int Width = 620, Height = 544;
constexpr int ToolbarBand = 32;   // the toolbar lies over the top edge
constexpr int StatusBand = 495;   // blue status texts are drawn below this line
constexpr double FieldX = 305, FieldY = 52, FieldW = 288, FieldH = 432;

void bricks(cairo_t* cr) {
  Rng rng(620544);
  setColour(cr, hex(0x5a4a44));  // mortar
  cairo_paint(cr);
  const double bw = 44, bh = 20;
  for (int row = 0; row * bh < Height; ++row)
    for (int col = -1; col * bw < Width; ++col) {
      const double x = col * bw + (row % 2 ? bw / 2 : 0), y = row * bh;
      const Colour base = mix(hex(0x9a4a36), hex(0x7a3428), rng.uniform());
      roundedRect(cr, x + 1.5, y + 1.5, bw - 3, bh - 3, 2);
      fillVertical(cr, y, y + bh, lighter(base, 0.1), darker(base, 0.12));
      cairo_rectangle(cr, x + 2, y + 2, bw - 4, 2);
      cairo_set_source_rgba(cr, 1, 1, 1, 0.08);
      cairo_fill(cr);
    }
}

void panel(cairo_t* cr, double x, double y, double w, double h) {
  roundedRect(cr, x + 3, y + 4, w, h, 10);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  roundedRect(cr, x, y, w, h, 10);
  fillVertical(cr, y, y + h, lighter(PanelColour, 0.12), darker(PanelColour, 0.12));
  roundedRect(cr, x + 1, y + 1, w - 2, h - 2, 9);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0xd8b25a), 0.85);
  cairo_stroke(cr);
}

void titlePanel(cairo_t* cr) {
  panel(cr, 22, 46, 248, 118);
  lettering(cr, "Free Mirel!", TitleFont, 40, 146, 92, hex(0xffe9a8), hex(0x1a1020), 4);
  lettering(cr, "Clear every tile and uncover the girl!", LabelFont, 10.5, 146, 140, hex(0xf0e6ff), hex(0), 0);
}

// A small picture of the game: a portrait partly uncovered under tiles.
void gamePicture(cairo_t* cr) {
  panel(cr, 22, 180, 248, 170);
  const double x0 = 50, y0 = 193;
  const Raster girl = portrait(3);
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, 192, 144);
  cairo_clip(cr);
  cairo_translate(cr, x0, y0);
  cairo_scale(cr, 192.0 / 288, 192.0 / 288);
  paintRaster(cr, girl, 0, -96);
  cairo_restore(cr);
  // Tiles stand in columns from the bottom, as they fall; the face is already free.
  const int kinds[6][8] = {{1, 0, 0, 0, 0, 0, 0, 7}, {1, 3, 0, 0, 0, 0, 6, 7}, {5, 3, 0, 0, 0, 0, 6, 4},
                           {5, 5, 1, 0, 0, 6, 1, 4}, {1, 5, 3, 3, 1, 6, 7, 4}, {6, 1, 1, 3, 4, 4, 4, 7}};
  Raster tiles[8];
  for (int k = 1; k < 8; ++k) tiles[k] = tile(24, k);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 8; ++c)
      if (kinds[r][c]) paintRaster(cr, tiles[kinds[r][c]], x0 + c * 24, y0 + r * 24);
  cairo_rectangle(cr, x0 - 1, y0 - 1, 194, 146);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0x1a1020));
  cairo_stroke(cr);
}

void buttonPanel(cairo_t* cr, const Faces& f) {
  panel(cr, 22, 362, 248, 118);
  // The greyed faces stand on the panel itself: their corners, which hold the
  // panel colour for the live buttons, would turn grey with them.
  const Raster outline = buttonOutline();
  paintRaster(cr, masked(greyed(f.pause), outline), 39, 376);
  paintRaster(cr, masked(greyed(f.undo), outline), 156, 376);
  paintRaster(cr, f.fresh, 39, 428);
  paintRaster(cr, f.quit, 156, 428);
}

void fieldFrame(cairo_t* cr) {
  roundedRect(cr, FieldX - 10, FieldY - 10, FieldW + 20, FieldH + 20, 8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  cairo_fill(cr);
  roundedRect(cr, FieldX - 8, FieldY - 8, FieldW + 16, FieldH + 16, 6);
  fillVertical(cr, FieldY - 8, FieldY + FieldH + 8, hex(0xe8c877), hex(0x8a6422));
  cairo_rectangle(cr, FieldX - 2, FieldY - 2, FieldW + 4, FieldH + 4);
  setColour(cr, hex(0x2a1e10));
  cairo_fill(cr);
  cairo_rectangle(cr, FieldX, FieldY, FieldW, FieldH);
  setColour(cr, hex(0x141018));
  cairo_fill(cr);
}

void bands(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, Width, ToolbarBand);
  fillVertical(cr, 0, ToolbarBand, hex(0xe4e0ea), hex(0xcfc9d6));
  cairo_rectangle(cr, 0, ToolbarBand - 1, Width, 1);
  setColour(cr, hex(0x8a8094));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, StatusBand, Width, Height - StatusBand);
  fillVertical(cr, StatusBand, Height, hex(0xf2eee6), hex(0xe2dccf));
  cairo_rectangle(cr, 0, StatusBand, Width, 2);
  setColour(cr, hex(0x8a8094));
  cairo_fill(cr);
}

}  // namespace

Raster background(const Faces& faces) {
  Canvas cv(Width, Height);
  cairo_t* cr = cv.cr;
  bricks(cr);
  bands(cr);
  titlePanel(cr);
  gamePicture(cr);
  buttonPanel(cr, faces);
  fieldFrame(cr);
  return cv.raster();
}

Raster aboutPicture() {
  Canvas cv(200, 149);
  cairo_t* cr = cv.cr;
  roundedRect(cr, 1, 1, 198, 147, 14);
  fillVertical(cr, 1, 148, lighter(PanelColour, 0.15), darker(PanelColour, 0.2));
  cairo_save(cr);
  roundedRect(cr, 10, 10, 84, 129, 8);
  cairo_clip(cr);
  cairo_translate(cr, 10, 10);
  cairo_scale(cr, 0.42, 0.42);
  paintRaster(cr, portrait(1), -44, -20);
  cairo_restore(cr);
  const Raster t[3] = {tile(24, 1), tile(24, 6), tile(24, 7)};
  const int pos[5][3] = {{70, 115, 0}, {46, 115, 1}, {70, 91, 2}, {22, 115, 0}, {70, 67, 1}};
  for (const auto& p : pos) paintRaster(cr, t[p[2]], p[0], p[1]);
  roundedRect(cr, 10, 10, 84, 129, 8);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0xd8b25a));
  cairo_stroke(cr);
  lettering(cr, "Free", TitleFont, 28, 148, 44, hex(0xffe9a8), hex(0x1a1020), 3);
  lettering(cr, "Mirel!", TitleFont, 28, 148, 78, hex(0xffe9a8), hex(0x1a1020), 3);
  lettering(cr, "v4", LabelFont, 16, 148, 112, hex(0xf0e6ff), hex(0), 0);
  roundedRect(cr, 1, 1, 198, 147, 14);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0xd8b25a), 0.9);
  cairo_stroke(cr);
  return cv.raster();
}

Raster appIcon(int size) {
  Canvas cv(size, size);
  cairo_t* cr = cv.cr;
  cairo_scale(cr, size / 64.0, size / 64.0);
  roundedRect(cr, 2, 2, 60, 60, 12);
  fillVertical(cr, 2, 62, hex(0xf7c6d0), hex(0xe87aa8));
  // A heart peeks out where three tiles are gone.
  cairo_move_to(cr, 22, 30);
  cairo_curve_to(cr, 6, 20, 14, 6, 22, 14);
  cairo_curve_to(cr, 30, 6, 38, 20, 22, 30);
  setColour(cr, hex(0xd8344a));
  cairo_fill(cr);
  const unsigned colours[3] = {0x2f6ad8, 0xe2ac24, 0x8748c8};
  const double cells[3][2] = {{34, 6}, {6, 34}, {34, 34}};
  for (int i = 0; i < 3; ++i) {
    const Colour c = hex(colours[i]);
    roundedRect(cr, cells[i][0], cells[i][1], 24, 24, 4);
    fillVertical(cr, cells[i][1], cells[i][1] + 24, lighter(c, 0.35), darker(c, 0.3));
    roundedRect(cr, cells[i][0] + 3, cells[i][1] + 3, 18, 18, 3);
    fillVertical(cr, cells[i][1], cells[i][1] + 24, lighter(c, 0.1), darker(c, 0.05));
  }
  roundedRect(cr, 2, 2, 60, 60, 12);
  cairo_set_line_width(cr, 2);
  setColour(cr, hex(0x5a2040));
  cairo_stroke(cr);
  return cv.raster();
}

}  // namespace gen
