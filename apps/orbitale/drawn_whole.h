// Painting shown whole: the host copies the screen to the window after every drawing call
// while its automatic refresh is on; a window repainted with it off is copied once, at the
// end, as palm programs do with whole frames.
#pragma once
#include "class_code.h"
#include "com/sun/kjava/Graphics.h"

namespace orbitale {

template <class Draw>
void drawn_whole(Draw draw) {
  com::sun::kjava::Graphics::drawString(lit(""), 0, -100);  // refresh off
  try {
    draw();
  } catch (JavaThrow&) {
    com::sun::kjava::Graphics::drawString(lit(""), 0, -200);
    throw;
  }
  com::sun::kjava::Graphics::drawString(lit(""), 0, -200);  // on, and the screen copied
}

}  // namespace orbitale
