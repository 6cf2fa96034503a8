// The frames of the program's animation clips: moving bus bars, blinking markers and arrows.
#pragma once

#include "Image.h"

#include <vector>

namespace clipgen {

enum class Direction { Left, Right, Up, Down };
enum class Marker { Read, Write, RegRead, RegWrite, IoRead, IoWrite };

// The drawings are laid out on a 32-unit square (the player's size) and rendered at two
// pixels a unit, so a doubled desktop scale still shows them sharp.
constexpr int kClipSize = 32;
constexpr int kPixelsPerUnit = 2;
constexpr int kClipPixels = kClipSize * kPixelsPerUnit;
constexpr int kBusFrames = 19;
constexpr int kBusFps = 20;
// Markers and arrows blink slowly enough to be calm on a projector.
constexpr int kBlinkFps = 5;

// Colour of everything outside the drawing; the player treats it as transparent.
constexpr Rgb kBackground{240, 240, 240};

// A 16-pixel-wide blue bus band with light chevrons travelling in the given direction.
std::vector<Image> BusClip(Direction direction);

// Frame 1 is the calm (idle) look, frame 2 the lit one.
std::vector<Image> MarkerClip(Marker marker);
std::vector<Image> ArrowClip(Direction direction);

} // namespace clipgen
