// The description of one portrait: palette, hairstyle, clothes, setting and
// pose. The twelve portraits differ only in these choices.
#pragma once

#include "draw.h"

namespace gen {

enum class Hair { LongStraight, Bob, Ponytail, TwinTails, LongWavy, Bun, Pixie, Braid };
enum class Fringe { Blunt, SideSwept, Parted };
enum class Neckline { Round, Vee, Collar, Straps };
enum class Setting { Bokeh, Stripes, Flowers, Stars, Sunset, Dots, Leaves, Hearts };
enum class Extra { None, Flower, Bow, Headband, Earrings, Beret, Glasses };

struct PortraitLook {
  Colour backgroundTop, backgroundBottom, backgroundAccent;
  Setting setting;
  Colour skin;
  Colour hair;
  Hair hairStyle;
  Fringe fringe;
  Colour eyes;
  Colour lips;
  Colour clothes, clothesAccent;
  Neckline neckline;
  Extra extra;
  Colour extraColour;
  double tilt;     // degrees, positive leans the head to the right
  double shiftX;   // head offset from the centre, in pixels
  double smile;    // 0 calm .. 1 broad
  double eyeLook;  // iris offset, -1 left .. 1 right
  double headScale = 1;  // the head's size against the body
  double lean = 0;       // the body's turn: shoulders shift by this much per pixel down
  bool necklace = false;  // a fine chain with a pendant in the accessory's colour
  double eyeSize = 1;     // the eyes' size against the face
  int wink = 0;           // 1 or -1 closes the eye on that side
  bool openSmile = false; // lips parted over the teeth
};

const PortraitLook& portraitLook(int number);  // 1..12

// Drawing stages, in painting order; coordinates are the picture's own.
void paintSetting(cairo_t* cr, const PortraitLook& look, int seed);
void paintBackHair(cairo_t* cr, const PortraitLook& look);
void paintBody(cairo_t* cr, const PortraitLook& look);
void paintFace(cairo_t* cr, const PortraitLook& look);
void paintFrontHair(cairo_t* cr, const PortraitLook& look);
void paintExtra(cairo_t* cr, const PortraitLook& look);

// The outline of the face in the head's frame, as a new path.
void facePath(cairo_t* cr);

// The head's local frame: origin between the eyes, rotated by the tilt.
void enterHead(cairo_t* cr, const PortraitLook& look);
constexpr double HeadX = 144, HeadY = 178;
constexpr double FaceHalfWidth = 56;

}  // namespace gen
