// de/kawt/impl/kjava/SpotletImpl
#include "de/kawt/impl/kjava/SpotletImpl.h"

#include "com/sun/cldc/io/j2me/events/PrivateInputStream.h"
#include "java/awt/EventQueue.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/MouseEvent.h"

namespace de::kawt::impl::kjava {

using com::sun::kjava::Spotlet;
using java::awt::event::KeyEvent;
using java::awt::event::MouseEvent;

ClassDecl SpotletImpl::klass = {
    .name = "de/kawt/impl/kjava/SpotletImpl",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &SpotletImpl::init,
    .methods = {::impl(Spotlet::m_penDown, &SpotletImpl::penDown),
                ::impl(Spotlet::m_penUp, &SpotletImpl::penUp),
                ::impl(Spotlet::m_penMove, &SpotletImpl::penMove),
                ::impl(Spotlet::m_keyDown, &SpotletImpl::keyDown)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::kjava::Spotlet::klass, &java::awt::EventQueue::klass,
             &java::awt::Toolkit::klass, &java::awt::event::KeyEvent::klass,
             &java::awt::event::MouseEvent::klass},
    // The toolkit's spotlet carries the whole event protocol: leaving the queue and
    // closing the events stream.
    .reaches = {&com::sun::kjava::Spotlet::unregistering,
                &com::sun::cldc::io::j2me::events::PrivateInputStream::closing},
};

// The jog wheel's push (5890) and release (5893).
static constexpr jint kJogPushed = 5890;
static constexpr jint kJogReleased = 5893;
static constexpr jint kJogPress = 5894;

void SpotletImpl::init(Ref self) {
  Spotlet::init(self);
  vcall(Spotlet::m_register, self, Spotlet::NO_EVENT_OPTIONS);
}

static void post(Ref e) { java::awt::EventQueue::postEvent(java::awt::Toolkit::S().eventQueue, e); }

static void post_pen(jint id, jint x, jint y) {
  Ref volatile e = jnew<MouseEvent>(nullptr, id, jlong{0}, 0, x, y, 0, jbool{0});
  post(e);
}

void SpotletImpl::penDown(Ref, jint x, jint y) { post_pen(MouseEvent::MOUSE_PRESSED, x, y); }

void SpotletImpl::penUp(Ref, jint x, jint y) {
  post_pen(MouseEvent::MOUSE_RELEASED, x, y);
  post_pen(MouseEvent::MOUSE_CLICKED, x, y);
}

void SpotletImpl::penMove(Ref, jint x, jint y) { post_pen(MouseEvent::MOUSE_DRAGGED, x, y); }

// Palm key codes with a toolkit key code of their own; 0 for the others.
static jint key_code(jint k) {
  switch (k) {
    case 8:
      return KeyEvent::VK_BACK_SPACE;
    case 10:
      return KeyEvent::VK_ENTER;
    case 11:
      return KeyEvent::VK_PAGE_UP;
    case 12:
      return KeyEvent::VK_PAGE_DOWN;
    case 28:
      return KeyEvent::VK_LEFT;
    case 29:
      return KeyEvent::VK_RIGHT;
    case 30:
      return KeyEvent::VK_UP;
    case 31:
      return KeyEvent::VK_DOWN;
    case 259:
      return KeyEvent::VK_UP;
    case 261:
      return KeyEvent::VK_MENU;
    case 268:
      return KeyEvent::VK_DOWN;
    case 5888:
      return KeyEvent::VK_UP;
    case 5889:
      return KeyEvent::VK_DOWN;
    case 5891:
      return KeyEvent::VK_PAGE_UP;
    case 5892:
      return KeyEvent::VK_PAGE_DOWN;
    default:
      return 0;
  }
}

// A long press of the jog wheel cancels, a short one accepts.
void SpotletImpl::keyDown(Ref, jint k) {
  if (k == kJogPushed || k == kJogReleased) {
    S().pushed = k == kJogPushed;
    return;
  }
  Ref volatile e;
  if (k == kJogPress) {
    e = jnew<KeyEvent>(nullptr, KeyEvent::KEY_PRESSED, jlong{0}, 0,
                       S().pushed ? KeyEvent::VK_CANCEL : KeyEvent::VK_ACCEPT, jchar{0});
  } else if (jint code = key_code(k)) {
    e = jnew<KeyEvent>(nullptr, KeyEvent::KEY_PRESSED, jlong{0}, 0, code, jchar{0});
  } else {
    e = jnew<KeyEvent>(nullptr, KeyEvent::KEY_TYPED, jlong{0}, 0, 0,
                       static_cast<jchar>(k < 32 ? k + 64 : k));
  }
  post(e);
}

}  // namespace de::kawt::impl::kjava
