// java/awt/KawtThread
#include "java/awt/KawtThread.h"

#include "java/awt/AWTEvent.h"
#include "java/awt/Container.h"
#include "java/awt/Dialog.h"
#include "java/awt/Frame.h"
#include "java/awt/MenuBar.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/KeyEvent.h"
#include "java/lang/Runnable.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/Throwable.h"

namespace java::awt {

using event::KeyEvent;
using java::lang::Thread;

ClassDecl KawtThread::klass = {
    .name = "java/awt/KawtThread",
    .super = &Thread::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(target), JAVA_REF(event), JAVA_REF(runnable), JAVA_REF(failure)},
    .defaultCtor = &KawtThread::init,
    .methods = {impl(Thread::m_run, &run_entry<&KawtThread::run>)},
    .uses = {&java::lang::Thread::klass, &java::awt::AWTEvent::klass, &java::awt::Container::klass,
             &java::awt::Dialog::klass, &java::awt::Frame::klass, &java::awt::MenuBar::klass,
             &java::awt::Toolkit::klass, &java::awt::Window::klass,
             &java::awt::event::KeyEvent::klass, &java::lang::Runnable::klass,
             &java::lang::Throwable::klass},
};

void KawtThread::init(Ref self) { Thread::init(self); }

void KawtThread::post(Ref self, jint command, Ref target, Ref event) {
  auto& t = f(nn(self));
  t.target = target;
  t.event = event;
  t.command = command;
  while (f(self).command != IDLE) Thread::yield();
}

// ---------------------------------------------------------------------------
// Focus traversal
// ---------------------------------------------------------------------------

static Ref child_at(Ref container, jint i) { return Container::getComponent(container, i); }

// The first (or last) visible traversable component inside c, c itself excluded.
static Ref first_inside(Ref c, jbool forward) {
  if (! instanceof <Container>(c)) return nullptr;
  jint n = Container::f(c).ncomponents;
  for (jint k = 0; k < n; k++) {
    Ref child = child_at(c, forward ? k : n - 1 - k);
    if (!Component::f(child).visible) continue;
    if (vcall(Component::m_isFocusTraversable, child)) return child;
    if (Ref inner = first_inside(child, forward)) return inner;
  }
  return nullptr;
}

void KawtThread::traverseFocus(Ref c, jbool forward) {
  if (!c) return;
  Ref next = nullptr;
  for (Ref cur = c; !next; cur = Component::f(cur).parent) {
    Ref parent = Component::f(cur).parent;
    if (!parent) {
      next = first_inside(cur, forward);  // at the window: wrap around
      break;
    }
    jint n = Container::f(parent).ncomponents;
    jint i = Container::getComponentIndex(parent, cur);
    for (i += forward ? 1 : -1; !next && i >= 0 && i < n; i += forward ? 1 : -1) {
      Ref child = child_at(parent, i);
      if (!Component::f(child).visible) continue;
      if (vcall(Component::m_isFocusTraversable, child)) {
        next = child;
      } else {
        next = first_inside(child, forward);
      }
    }
  }
  if (next) vcall(Component::m_requestFocus, next);
}

// ---------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------

static void hide_popups() {
  for (Ref top = Toolkit::getTopWindow(); top && Window::f(top).popup;
       top = Toolkit::getTopWindow())
    vcall(Component::m_setVisible, top, 0);
}

static void deliver_key(Ref t, Ref e) {
  if (t) vcall(Component::m_dispatchKeyEvent, t, e);
  if (AWTEvent::isConsumed(e) || AWTEvent::getID(e) != KeyEvent::KEY_PRESSED) return;
  switch (KeyEvent::getKeyCode(e)) {
    case KeyEvent::VK_CANCEL:
    case KeyEvent::VK_MENU: {
      Ref top = Toolkit::getTopWindow();
      if (top && Window::f(top).popup) {
        hide_popups();
      } else if (top && instanceof <Frame>(top) && Frame::f(top).menuBar) {
        MenuBar::activate(Frame::f(top).menuBar);
      }
      break;
    }
    case KeyEvent::VK_ENTER:
    case KeyEvent::VK_ACCEPT:
    case KeyEvent::VK_SPACE:
      if (t) vcall(Component::m_activate, t, e);
      break;
    case KeyEvent::VK_TAB:
    case KeyEvent::VK_RIGHT:
    case KeyEvent::VK_DOWN:
      KawtThread::traverseFocus(t, 1);
      break;
    case KeyEvent::VK_LEFT:
    case KeyEvent::VK_UP:
      KawtThread::traverseFocus(t, 0);
      break;
  }
}

// A command posted while an idle pass yields stays for the next pass.
void KawtThread::run(Ref self) {
  Ref volatile keep = self;
  while (f(self).command != LEFT) {
    jint command = f(self).command;
    try {
      switch (command) {
        case KEY:
          deliver_key(f(self).target, f(self).event);
          break;
        case MOUSE:
          vcall(Component::m_dispatchMouseEvent, f(self).target, f(self).event);
          break;
        case RUN:
          icall(java::lang::Runnable::m_run, f(self).runnable);
          Toolkit::flush();
          break;
        default:
          Toolkit::flush();
      }
    } catch (JavaThrow& e) {
      f(keep).failure = e.object();
    }
    if (f(self).command == LEAVE) {
      f(self).command = LEFT;
    } else if (f(self).command == command && command != IDLE) {
      f(self).command = IDLE;
    }
    Thread::yield();
  }
}

// ---------------------------------------------------------------------------
// Modal dialogs
// ---------------------------------------------------------------------------

jbool KawtThread::isDispatchThread(Ref thread) {
  return thread && thread == Toolkit::dispatchThread();
}

// On the dispatch thread: a new thread takes over dispatching, the event that led here is
// released at once, and this thread waits until the dialog lets it go.
void KawtThread::waitForModal(Ref dialog) {
  Ref volatile current = Thread::currentThread();
  try {
    if (isDispatchThread(current)) {
      Ref volatile next = jnew<KawtThread>();
      Toolkit::S().dispatchThread = next;
      Thread::start(next);
      Dialog::f(dialog).blockedThread = current;
      f(current).command = IDLE;
      while (f(current).command != LEAVE) Thread::yield();
    } else {
      while (Component::f(dialog).visible) Thread::yield();
    }
  } catch (JavaThrow& e) {
    Ref volatile problem = e.object();
    jthrow(jnew<java::lang::RuntimeException>(vcall(java::lang::Object::m_toString, problem)));
  }
}

// The blocked thread returns from show, finishes its command and leaves its loop.
void KawtThread::releaseModal(Ref dialog) {
  Ref volatile blocked = Dialog::f(nn(dialog)).blockedThread;
  if (!blocked) return;
  Dialog::f(dialog).blockedThread = nullptr;
  f(blocked).command = LEAVE;
  while (f(blocked).command != LEFT) Thread::yield();
}

}  // namespace java::awt
