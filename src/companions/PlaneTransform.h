#pragma once

// From plane coordinates to the pixels of a drawing area of width W (height H).

// A value truncated toward zero to a pixel coordinate; huge values are held at a distance far
// outside any canvas, not-a-number gives 0.
int TruncToPixel(long double value);

// (x - from) * W / R truncated, R being (to - from) truncated to a whole number. A window
// narrower than one unit uses its exact width instead; a window of width 0 maps to 0.
int UmrechnenX(long double x, int w, long double from, long double to);
// (to - y) * H / R truncated, R as above for the vertical window.
int UmrechnenY(long double y, int h, long double from, long double to);
