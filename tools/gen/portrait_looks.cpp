// The twelve portraits' choices: each a different palette, hairstyle, dress,
// setting and pose. The fields follow PortraitLook in order.
#include "portrait.h"

namespace gen {
namespace {

const PortraitLook Looks[12] = {
    // 1: auburn long hair, teal dress, soft bokeh evening
    {hex(0x2d4a6e), hex(0xe9a27a), hex(0xffe3b0), Setting::Bokeh, hex(0xf6d2b8), hex(0x9a3f22), Hair::LongStraight,
     Fringe::SideSwept, hex(0x2f8f6f), hex(0xd35a6a), hex(0x1f8a8a), hex(0xf2f0e6), Neckline::Round, Extra::Flower,
     hex(0xfafafa), -4, -4, 0.6, 0.2, 1.0, -0.12, false, 1.0, 0, false},
    // 2: black bob, red top, pink stripes
    {hex(0xf7c6d0), hex(0xf29bb0), hex(0xffffff), Setting::Stripes, hex(0xf3d6c6), hex(0x1d1b26), Hair::Bob,
     Fringe::Blunt, hex(0x5a3a22), hex(0xc8283c), hex(0xc42a3a), hex(0x1d1b26), Neckline::Vee, Extra::Earrings,
     hex(0xf5c542), 3, 6, 0.8, -0.1, 0.94, 0.1, false, 0.95, 0, false},
    // 3: blonde ponytail, blue sailor collar, sky with flowers
    {hex(0x9fd4f5), hex(0xe8f6ff), hex(0xfff06a), Setting::Flowers, hex(0xfbe0cc), hex(0xe8c060), Hair::Ponytail,
     Fringe::Parted, hex(0x3a7ad8), hex(0xe07080), hex(0xf8f8fa), hex(0x28468f), Neckline::Collar, Extra::Bow,
     hex(0xd8344a), 9, 2, 0.9, 0.3, 1.04, 0.0, false, 1.1, 0, true},
    // 4: dark brown twin tails, violet hoodie, starry night
    {hex(0x191a45), hex(0x4c2b6e), hex(0xfff4c0), Setting::Stars, hex(0xefc9ae), hex(0x3b2418), Hair::TwinTails,
     Fringe::Blunt, hex(0xb0502a), hex(0xd05a6e), hex(0x7b4fc4), hex(0xf4d35e), Neckline::Round, Extra::Bow,
     hex(0xf4d35e), -3, 0, 0.7, 0, 0.96, 0, false, 1.12, 0, false},
    // 5: copper wavy hair, green dress, sunset
    {hex(0xf48c5a), hex(0x5c2a63), hex(0xffd36b), Setting::Sunset, hex(0xf8d9c2), hex(0xc4541e), Hair::LongWavy,
     Fringe::Parted, hex(0x4e9a4a), hex(0xc24a58), hex(0x2e7d4f), hex(0xe9d8a6), Neckline::Straps, Extra::Earrings,
     hex(0xe8e8f0), 6, -8, 0.5, -0.3, 1.0, 0.14, true, 0.92, 0, false},
    // 6: silver-lilac bun, navy collar, polka dots
    {hex(0xfde7c8), hex(0xf5c896), hex(0xffffff), Setting::Dots, hex(0xf4dccb), hex(0xb7a6d6), Hair::Bun,
     Fringe::SideSwept, hex(0x8048b8), hex(0xd0607a), hex(0x23335c), hex(0xffffff), Neckline::Collar, Extra::Flower,
     hex(0xf06a8a), -2, 4, 0.6, 0.2, 1.05, -0.08, false, 1.0, -1, false},
    // 7: short black pixie, yellow top, leaves
    {hex(0xcfe8b8), hex(0x7db36a), hex(0x3f7a3a), Setting::Leaves, hex(0xc99a78), hex(0x17120f), Hair::Pixie,
     Fringe::SideSwept, hex(0x3b2414), hex(0xa8404a), hex(0xf2c230), hex(0x8a5a12), Neckline::Vee, Extra::Earrings,
     hex(0xf6d26a), 4, 0, 1.0, -0.2, 0.95, 0.12, true, 0.96, 0, true},
    // 8: pink long hair, white blouse, hearts
    {hex(0xffe0ec), hex(0xf7b5cf), hex(0xff8fb4), Setting::Hearts, hex(0xfbe3d4), hex(0xe87aa8), Hair::LongStraight,
     Fringe::Blunt, hex(0x7a50c8), hex(0xe0506e), hex(0xfafafa), hex(0xe87aa8), Neckline::Collar, Extra::Headband,
     hex(0xffffff), -5, 2, 0.8, 0.1, 1.0, 0, false, 1.14, 0, false},
    // 9: chestnut braid, denim, warm bokeh
    {hex(0x3a2a3e), hex(0xb86a4a), hex(0xffd7a0), Setting::Bokeh, hex(0xeec3a2), hex(0x6b3a1e), Hair::Braid,
     Fringe::Parted, hex(0x3c6e8f), hex(0xc25060), hex(0x4a6fa5), hex(0xdfe8f0), Neckline::Collar, Extra::Beret,
     hex(0xb8283a), 3, -6, 0.5, 0.4, 1.02, -0.1, false, 1.0, 0, false},
    // 10: blue-black wavy hair, red dress, stripes of dusk
    {hex(0x1f3c5a), hex(0x6fa3c8), hex(0xffffff), Setting::Stripes, hex(0xa8755a), hex(0x141a2a), Hair::LongWavy,
     Fringe::SideSwept, hex(0x2a1a10), hex(0xb83a48), hex(0xd23a3a), hex(0xf0c050), Neckline::Straps, Extra::Flower,
     hex(0xf7d04a), -10, 8, 0.7, -0.2, 0.97, 0.15, true, 0.94, 0, false},
    // 11: light brown bob, glasses, green cardigan, dotted paper
    {hex(0xeaf4ea), hex(0xc6e0d0), hex(0x80b89a), Setting::Dots, hex(0xf6dac6), hex(0x8a5a34), Hair::Bob,
     Fringe::SideSwept, hex(0x4f7a3a), hex(0xcc5a66), hex(0x3f8a6a), hex(0xf4f0e0), Neckline::Vee, Extra::Glasses,
     hex(0x5a2e1a), 2, 0, 0.9, 0, 1.03, 0, false, 1.02, 0, true},
    // 12: platinum twin tails, orange top, starry sky
    {hex(0x2a2060), hex(0xc06890), hex(0xffffff), Setting::Stars, hex(0xfae4d6), hex(0xf0e6c8), Hair::TwinTails,
     Fringe::Parted, hex(0xd0406a), hex(0xe05a78), hex(0xf08a2a), hex(0x2a2060), Neckline::Round, Extra::None,
     hex(0xf08a2a), 4, -2, 0.6, 0.3, 0.95, -0.12, false, 1.08, 1, false},
};

}  // namespace

const PortraitLook& portraitLook(int number) { return Looks[number - 1]; }

}  // namespace gen
