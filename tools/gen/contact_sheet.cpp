// Lays the pictures out in rows, left to right, on a checkerboard that
// shows their transparency.
#include "contact_sheet.h"

#include "draw.h"

#include <algorithm>

namespace gen {
namespace {

constexpr int SheetWidth = 1540, Gap = 12, LabelHeight = 16;

}  // namespace

Raster contactSheet(const SheetList& entries) {
  // First pass: positions.
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = Gap, y = Gap, rowHeight = 0;
  for (const SheetEntry& e : entries) {
    const int w = std::max(e.picture.width, 84);
    if (x + w + Gap > SheetWidth) {
      x = Gap;
      y += rowHeight + LabelHeight + Gap;
      rowHeight = 0;
    }
    places.push_back({x, y});
    x += w + Gap;
    rowHeight = std::max(rowHeight, e.picture.height);
  }
  const int height = y + rowHeight + LabelHeight + Gap;
  Canvas cv(SheetWidth, height);
  cairo_t* cr = cv.cr;
  setColour(cr, hex(0x6a6a70));
  cairo_paint(cr);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Raster& p = entries[i].picture;
    const Place at = places[i];
    for (int cy = 0; cy < p.height; cy += 8)
      for (int cx = 0; cx < p.width; cx += 8) {
        cairo_rectangle(cr, at.x + cx, at.y + cy, std::min(8, p.width - cx), std::min(8, p.height - cy));
        setColour(cr, ((cx + cy) / 8) % 2 ? hex(0xb0b0b0) : hex(0xd8d8d8));
        cairo_fill(cr);
      }
    paintRaster(cr, p, at.x, at.y);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, at.x, at.y + p.height + 12);
    setColour(cr, hex(0xffffff));
    cairo_show_text(cr, entries[i].label.c_str());
  }
  return cv.raster();
}

}  // namespace gen
