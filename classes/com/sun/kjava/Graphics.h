// com/sun/kjava/Graphics
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

// Static drawing operations over the host's drawing natives, in device pixels.
struct Graphics {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref instance;  // the shared Graphics object
  };
  JAVA_STATICS

  static constexpr jint PLAIN = 1;
  static constexpr jint GRAY = 2;
  static constexpr jint ERASE = 3;
  static constexpr jint INVERT = 4;
  static constexpr jint COLOR = 5;

  static void staticInit();
  static void init(Ref self);
  static Ref getGraphics();
  static void drawLine(jint srcX, jint srcY, jint dstX, jint dstY, jint mode);
  static void drawRectangle(jint left, jint top, jint width, jint height, jint mode,
                            jint cornerDiam);
  static void drawBorder(jint left, jint top, jint width, jint height, jint mode, jint frameType);
  static jint borderType(jint cornerDiam, jint shadow, jint width);
  static jint drawString(Ref text, jint left, jint top, jint mode);
  static jint drawString(Ref text, jint left, jint top);
  static jint getWidth(Ref text);
  static jint getHeight(Ref text);
  static void clearScreen();
  static void drawBitmap(jint left, jint top, Ref bitmap);
  static void setDrawRegion(jint left, jint top, jint width, jint height);
  static void resetDrawRegion();
  static void copyRegion(jint left, jint top, jint width, jint height, jint dstX, jint dstY,
                         jint mode);
  static void copyOffScreenRegion(jint left, jint top, jint width, jint height, jint dstX,
                                  jint dstY, jint mode, jint srcWind, jint dstWind);
  static void playSound(jint sound);
};

}  // namespace com::sun::kjava
