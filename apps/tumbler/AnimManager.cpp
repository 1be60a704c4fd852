// AnimManager: steps and paints Tumbler's characters every 300 ms on its own thread.
#include "AnimManager.h"

#include "AnimChar.h"
#include "AnimException.h"
#include "com/sun/kjava/Graphics.h"
#include "java/lang/InterruptedException.h"
#include "java/lang/Runnable.h"
#include "java/lang/Thread.h"
#include "java/util/Random.h"

namespace tumbler {

ClassDecl AnimManager::klass = {
    .name = "AnimManager",
    .super = &java::lang::Object::klass,
    .interfaces = {&java::lang::Runnable::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(stage), JAVA_REF(chars)},
    .classInit = &AnimManager::staticInit,
    .methods = {impl(m_run, &AnimManager::run)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&AnimChar::klass, &AnimException::klass, &com::sun::kjava::Graphics::klass,
             &java::lang::InterruptedException::klass, &java::lang::Runnable::klass,
             &java::lang::Thread::klass, &java::util::Random::klass},
};

void AnimManager::staticInit() { S().random = jnew<java::util::Random>(); }

// Starts the animation thread at once.
void AnimManager::init(Ref self, Ref stage) {
  java::lang::Object::init(self);
  f(self).stage = stage;
  f(self).chars = rt_new_ref_array(rt_class_index_by_name("[LAnimChar;"), AnimChar::klass.index, 1);
  Ref volatile thread = jnew<java::lang::Thread>(self);
  java::lang::Thread::start(thread);
}

void AnimManager::add(Ref self, Ref c) {
  Ref volatile chars = f(self).chars;
  rt_monitor_enter(chars);
  for (jint i = 0; i < alen(chars); i++) {
    if (!rt_array_load_ref(chars, i)) {
      rt_array_store_ref(chars, i, c);
      vcall(AnimChar::m_setManager, c, self);
      rt_monitor_exit(chars);
      return;
    }
  }
  rt_monitor_exit(chars);
  jthrow(jnew<AnimException>(lit("Can't add any more")));
}

Ref AnimManager::getStage(Ref self) { return f(self).stage; }

void AnimManager::remove(Ref self, Ref c) {
  Ref volatile chars = f(self).chars;
  rt_monitor_enter(chars);
  for (jint i = 0; i < alen(chars); i++)
    if (rt_array_load_ref(chars, i) == c) rt_array_store_ref(chars, i, nullptr);
  rt_monitor_exit(chars);
}

// 0..n-1. The remainder is taken before the absolute value: the absolute value of the
// smallest int is itself, negative, and would give a negative slot.
jint AnimManager::random(jint n) {
  clinit<AnimManager>();
  jint r = rt_irem(vcall(java::util::Random::m_nextInt, S().random), n);
  return r < 0 ? -r : r;
}

// Every tick steps all characters, then paints them, then drops the finished ones.
void AnimManager::run(Ref self) {
  for (;;) {
    Ref volatile g = com::sun::kjava::Graphics::getGraphics();
    Ref volatile chars = f(self).chars;
    rt_monitor_enter(chars);
    for (jint i = 0; i < alen(chars); i++)
      if (Ref c = rt_array_load_ref(chars, i)) vcall(AnimChar::m_update, c);
    for (jint i = 0; i < alen(chars); i++)
      if (Ref c = rt_array_load_ref(chars, i)) vcall(AnimChar::m_paint, c, g);
    for (jint i = 0; i < alen(chars); i++) {
      Ref c = rt_array_load_ref(chars, i);
      if (c && vcall(AnimChar::m_getState, c) == 0) remove(self, c);
    }
    rt_monitor_exit(chars);
    try {
      java::lang::Thread::sleep(300);
    } catch (JavaThrow& e) {
      if (!caught<java::lang::InterruptedException>(e)) throw;
    }
  }
}

}  // namespace tumbler
