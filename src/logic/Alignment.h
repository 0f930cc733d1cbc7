#pragma once
// Parts placed in pixels beside controls placed in dialog units, whose size follows the font
// and the DPI: each part is placed from the control it belongs to.

// Where a part of that size starts when centred on a span; a half pixel goes to the start, so
// a 10-pixel mark on a 12-pixel row starts one pixel in.
int CentredStart(int spanStart, int spanLength, int size);

// A part's start along one side: where the layout puts it while its centre is within
// `tolerance` pixels of the span's centre, else centred on the span.
int KeptOrCentredStart(int layoutStart, int size, int spanStart, int spanLength, int tolerance);
