// java/awt/ScrollPane
#pragma once
#include "java/awt/Container.h"

namespace java::awt {

// One child seen through a viewport with scroll bars. The child sits at the viewport's
// origin less the scroll offsets, so its screen position is always where it shows.
struct ScrollPane {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref scroll;  // java/awt/ScrollManager
  };
  JAVA_FIELDS(Container)

  static constexpr jint BORDER = 1;

  static void init(Ref self);
  static Ref getPreferredSize(Ref self);
  static void validate(Ref self);
  static void paintAll(Ref self, Ref g);
  static void update(Ref self, Ref g);
  static Ref getComponentAt(Ref self, jint x, jint y);
  static void clipToViewport(Ref self, Ref g);
  static Ref getScrollPosition(Ref self);  // java/awt/Point
  static void setScrollPosition(Ref self, jint x, jint y);
};

}  // namespace java::awt
