// java/awt/EventQueue
#include "java/awt/EventQueue.h"

#include "java/awt/AWTEvent.h"
#include "java/awt/KawtThread.h"
#include "java/awt/Point.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/MouseEvent.h"
#include "java/lang/Runnable.h"
#include "java/lang/Thread.h"

namespace java::awt {

using event::MouseEvent;

ClassDecl EventQueue::klass = {
    .name = "java/awt/EventQueue",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(mouseTarget)},
    .uses = {&java::lang::Object::klass, &java::awt::AWTEvent::klass, &java::awt::KawtThread::klass,
             &java::awt::Point::klass, &java::awt::Toolkit::klass, &java::awt::Window::klass,
             &java::awt::event::MouseEvent::klass, &java::lang::Runnable::klass,
             &java::lang::Thread::klass},
};

void EventQueue::init(Ref self) { java::lang::Object::init(self); }

// A press outside the top window closes it when it is a popup (and tries the one below
// when that is a popup too); the press itself goes no further, and neither do the pen
// events that follow it: they would reach the previous press's target.
static Ref press_target(Ref self, Ref e) {
  EventQueue::f(self).mouseTarget = nullptr;
  jint x = MouseEvent::f(e).x;
  jint y = MouseEvent::f(e).y;
  for (Ref top = Toolkit::getTopWindow(); top; top = Toolkit::getTopWindow()) {
    Ref hit =
        vcall(Component::m_getComponentAt, top, x - Component::f(top).x, y - Component::f(top).y);
    if (hit) {
      Ref volatile origin = Component::getLocationOnScreen(hit);
      if (!origin) return nullptr;
      EventQueue::f(self).mouseTarget = hit;
      EventQueue::f(self).targetX = Point::f(origin).x;
      EventQueue::f(self).targetY = Point::f(origin).y;
      return hit;
    }
    if (!Window::f(top).popup) return nullptr;
    vcall(Component::m_setVisible, top, 0);
    Ref below = Toolkit::getTopWindow();
    if (!below || !Window::f(below).popup) return nullptr;
  }
  return nullptr;
}

void EventQueue::postEvent(Ref self, Ref e) {
  Ref top = Toolkit::getTopWindow();
  if (!top) return;
  Ref volatile thread = Toolkit::dispatchThread();
  if (instanceof <MouseEvent>(nn(e))) {
    Ref target = AWTEvent::getID(e) == MouseEvent::MOUSE_PRESSED ? press_target(self, e)
                                                                 : f(self).mouseTarget;
    if (!target) return;
    AWTEvent::setSource(e, target);
    MouseEvent::translatePoint(e, -f(self).targetX, -f(self).targetY);
    KawtThread::post(thread, KawtThread::MOUSE, target, e);
  } else {
    AWTEvent::setSource(e, top);
    KawtThread::post(thread, KawtThread::KEY, Window::f(top).focusOwner, e);
  }
  // Thrown once: a failed command does not make every later event report it again.
  if (Ref failure = KawtThread::f(thread).failure) {
    KawtThread::f(thread).failure = nullptr;
    jthrow(failure);
  }
  Toolkit::flush();
}

void EventQueue::invokeAndWait(Ref r) {
  Ref volatile thread = Toolkit::dispatchThread();
  if (java::lang::Thread::currentThread() == thread) {
    icall(java::lang::Runnable::m_run, r);
    return;
  }
  KawtThread::f(thread).runnable = r;
  KawtThread::post(thread, KawtThread::RUN, nullptr, nullptr);
}

}  // namespace java::awt
