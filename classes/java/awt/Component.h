// java/awt/Component
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Coordinates are relative to the parent's top-left corner. Damage goes to the window
// through repaint and is painted after the event; paint at once through getGraphics.
struct Component {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x;
    jint y;
    jint width;
    jint height;
    jbool enabled;
    jbool visible;
    jbool hasFocus;
    jbool valid;
    Ref parent;  // java/awt/Container
    Ref mouseListener;
    Ref mouseMotionListener;
    Ref keyListener;
    Ref font;
    Ref background;
    Ref foreground;
    jint explicitlySet;  // SET_* bits
    jlong eventMask;     // *_EVENT_MASK bits
  };
  JAVA_FIELDS(java::lang::Object)

  static constexpr jint SET_FOREGROUND = 1;
  static constexpr jint SET_BACKGROUND = 2;
  static constexpr jint SET_FONT = 4;
  static constexpr jlong FOCUS_EVENT_MASK = 4;
  static constexpr jlong KEY_EVENT_MASK = 8;
  static constexpr jlong MOUSE_EVENT_MASK = 16;
  static constexpr jlong MOUSE_MOTION_EVENT_MASK = 32;

  static inline Method<void(Ref, Ref)> m_paint{"paint(Ljava/awt/Graphics;)", &klass};
  static inline Method<void(Ref, Ref)> m_update{"update(Ljava/awt/Graphics;)", &klass};
  static inline Method<void(Ref, Ref)> m_paintAll{"paintAll(Ljava/awt/Graphics;)", &klass};
  static inline Method<Ref(Ref)> m_getPreferredSize{"getPreferredSize()", &klass};
  static inline Method<Ref(Ref)> m_getMinimumSize{"getMinimumSize()", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_setBounds{"setBounds(IIII)", &klass};
  static inline Method<void(Ref)> m_validate{"validate()", &klass};
  static inline Method<void(Ref)> m_invalidate{"invalidate()", &klass};
  static inline Method<void(Ref, Ref)> m_dispatchMouseEvent{
      "dispatchMouseEvent(Ljava/awt/event/MouseEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_dispatchKeyEvent{
      "dispatchKeyEvent(Ljava/awt/event/KeyEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_processEvent{"processEvent(Ljava/awt/AWTEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_activate{"activate(Ljava/awt/AWTEvent;)", &klass};
  static inline Method<void(Ref)> m_requestFocus{"requestFocus()", &klass};
  static inline Method<jbool(Ref)> m_isFocusTraversable{"isFocusTraversable()", &klass};
  static inline Method<void(Ref)> m_addNotify{"addNotify()", &klass};
  static inline Method<Ref(Ref, jint, jint)> m_getComponentAt{"getComponentAt(II)", &klass};
  static inline Method<jbool(Ref, jint, jint)> m_contains{"contains(II)", &klass};
  static inline Method<void(Ref, jbool)> m_setVisible{"setVisible(Z)", &klass};
  static inline Method<void(Ref, Ref)> m_setFont{"setFont(Ljava/awt/Font;)", &klass};
  static inline Method<void(Ref, Ref)> m_setForeground{"setForeground(Ljava/awt/Color;)", &klass};
  static inline Method<void(Ref, Ref)> m_setBackground{"setBackground(Ljava/awt/Color;)", &klass};
  static inline Method<void(Ref, jbool)> m_setEnabled{"setEnabled(Z)", &klass};

  static void init(Ref self);
  // Throws TooManyListenersException when a listener of the kind is already there.
  static void checkSingleListener(Ref existing);

  static Ref getParent(Ref self);
  static Ref getBounds(Ref self);  // a new java/awt/Rectangle
  static void setBounds(Ref self, jint x, jint y, jint width, jint height);
  static void setLocation(Ref self, jint x, jint y);
  static void setSize(Ref self, jint width, jint height);
  static void setSizeOf(Ref self, Ref dimension);  // setSize(Dimension)
  static Ref getLocation(Ref self);
  static Ref getSize(Ref self);
  static Ref getLocationOnScreen(Ref self);  // java/awt/Point, or null
  static Ref getPreferredSize(Ref self);
  static Ref getMinimumSize(Ref self);
  static jbool contains(Ref self, jint x, jint y);
  static Ref getComponentAt(Ref self, jint x, jint y);
  static jbool isVisible(Ref self);
  static jbool isShowing(Ref self);
  static jbool isEnabled(Ref self);
  static jbool isValid(Ref self);
  static jbool hasFocus(Ref self);
  static void setVisible(Ref self, jbool visible);
  static void show(Ref self);
  static void hide(Ref self);
  static void setEnabled(Ref self, jbool enabled);
  static void invalidate(Ref self);
  static void validate(Ref self);
  static void addNotify(Ref self);
  static Ref getFont(Ref self);
  static void setFont(Ref self, Ref font);
  static Ref getForeground(Ref self);
  static void setForeground(Ref self, Ref color);
  static Ref getBackground(Ref self);
  static void setBackground(Ref self, Ref color);
  static Ref getGraphics(Ref self);  // null while not on the top window
  static Ref getFontMetrics(Ref self, Ref font);
  static Ref getToolkit(Ref self);
  static Ref getWindow(Ref self);  // the enclosing java/awt/Window, or null
  static void paint(Ref self, Ref g);
  static void paintAll(Ref self, Ref g);
  static void update(Ref self, Ref g);
  static void repaint(Ref self);
  static void repaint(Ref self, jint x, jint y, jint width, jint height);
  static void requestFocus(Ref self);
  static jbool isFocusTraversable(Ref self);
  static void addMouseListener(Ref self, Ref l);
  static void addMouseMotionListener(Ref self, Ref l);
  static void addKeyListener(Ref self, Ref l);
  static void removeMouseListener(Ref self, Ref l);
  static void removeMouseMotionListener(Ref self, Ref l);
  static void removeKeyListener(Ref self, Ref l);
  static void enableEvents(Ref self, jlong mask);
  static void dispatchMouseEvent(Ref self, Ref e);
  static void dispatchKeyEvent(Ref self, Ref e);
  static void processEvent(Ref self, Ref e);
  static void processMouseEvent(Ref self, Ref e);
  static void processMouseMotionEvent(Ref self, Ref e);
  static void processKeyEvent(Ref self, Ref e);
  static void processFocusEvent(Ref self, Ref e);
  static void activate(Ref self, Ref e);
};

}  // namespace java::awt
