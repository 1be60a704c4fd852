// java/awt/Toolkit
#include "java/awt/Toolkit.h"

#include <string_view>

#include "de/kawt/impl/Laf.h"
#include "java/awt/EventQueue.h"
#include "java/awt/Font.h"
#include "java/awt/Graphics.h"
#include "java/awt/KawtThread.h"
#include "java/awt/Window.h"
#include "java/awt/image/ColorModel.h"
#include "java/lang/Class.h"
#include "java/lang/Integer.h"
#include "java/lang/Runtime.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"
#include "java/lang/Thread.h"
#include "java/util/Vector.h"

namespace java::awt {

using java::lang::Class;
using java::lang::RuntimeException;
using java::lang::String;
using java::lang::System;
using java::util::Vector;

ClassDecl Toolkit::klass = {
    .name = "java/awt/Toolkit",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Toolkit::staticInit,
    .methods = {abstract_method(m_getScreenSize), abstract_method(m_getFontMetrics),
                abstract_method(m_createImage), impl(m_getColorModel, &Toolkit::getColorModel),
                impl(m_beep, &Toolkit::beep), impl(m_sync, &Toolkit::sync)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Object::klass, &de::kawt::impl::Laf::klass, &java::awt::EventQueue::klass,
             &java::awt::Font::klass, &java::awt::Graphics::klass, &java::awt::KawtThread::klass,
             &java::awt::Window::klass, &java::awt::image::ColorModel::klass,
             &java::lang::Class::klass, &java::lang::Integer::klass, &java::lang::Runtime::klass,
             &java::lang::String::klass, &java::lang::System::klass, &java::lang::Thread::klass,
             &java::util::Vector::klass},
};

static Ref text_of(Ref throwable) { return vcall(java::lang::Object::m_toString, throwable); }

static Ref impl_class(const char* name) {
  return Class::forName(jconcat({Toolkit::S().classBase, lit(name)}));
}

// The first base library found by name decides.
static void find_class_base() {
  static constexpr struct {
    const char* probe;
    const char* base;
    const char* platform;
  } bases[] = {
      {"com.sun.kjava.Graphics", "de.kawt.impl.kjava", "palm"},
      {"javax.microedition.lcdui.Graphics", "de.kawt.impl.midp", "midp"},
      {"net.rim.device.api.system.Graphics", "de.kawt.impl.rim", "rim"},
  };
  for (const auto& b : bases) {
    try {
      Class::forName(lit(b.probe));
    } catch (JavaThrow&) {
      continue;
    }
    Toolkit::S().classBase = lit(b.base);
    if (!Toolkit::S().platform || std::string_view(b.platform) != "palm")
      Toolkit::S().platform = lit(b.platform);
    return;
  }
  jthrow(jnew<RuntimeException>(lit("unknown base lib and property de.kawt.classbase not set!")));
}

void Toolkit::staticInit() {
  Ref volatile depth = System::getProperty(lit("kawt.colordepth"));
  S().colorDepthSet = depth != nullptr;
  S().colorDepth = depth ? java::lang::Integer::parseInt(depth) : 1;
  S().windows = jnew<Vector>();
  S().eventQueue = jnew<EventQueue>();
  S().dispatchThread = jnew<KawtThread>();
  S().platform = System::getProperty(lit("microedition.platform"));

  Ref platform = S().platform;
  if (platform &&
      (String::equals(platform, lit("palm")) || String::equals(platform, lit("Vorel")))) {
    S().classBase = lit("de.kawt.impl.kjava");
  } else if (Ref volatile base = System::getProperty(lit("de.kawt.classbase"))) {
    S().classBase = base;
  } else {
    find_class_base();
  }

  java::lang::Runtime::gc(java::lang::Runtime::getRuntime());
  try {
    S().laf = Class::newInstance(impl_class(".LafImpl"));
  } catch (JavaThrow&) {
    S().laf = nullptr;
  }
  if (!S().laf) S().laf = jnew<de::kawt::impl::Laf>();
  try {
    S().graphicsClass = impl_class(".GraphicsImpl");
    S().toolkit = Class::newInstance(impl_class(".ToolkitImpl"));
  } catch (JavaThrow& e) {
    Ref volatile problem = e.object();
    jthrow(jnew<RuntimeException>(jconcat({lit("kawt init failure: "), text_of(problem)})));
  }
  Ref volatile font = jnew<Font>(lit("plain"), 8, 0);
  S().fontMetrics = vcall(m_getFontMetrics, S().toolkit, font);
}

void Toolkit::init(Ref self) {
  java::lang::Object::init(self);
  java::lang::Thread::start(S().dispatchThread);
}

Ref Toolkit::getDefaultToolkit() {
  clinit<Toolkit>();
  return S().toolkit;
}

Ref Toolkit::createGraphics() {
  clinit<Toolkit>();
  try {
    return cast<Graphics>(Class::newInstance(S().graphicsClass));
  } catch (JavaThrow& e) {
    Ref volatile problem = e.object();
    jthrow(jnew<RuntimeException>(jconcat({lit("createGraphics failed: "), text_of(problem)})));
  }
}

Ref Toolkit::getTopWindow() {
  clinit<Toolkit>();
  Ref windows = S().windows;
  jint n = Vector::size(windows);
  return n ? Vector::elementAt(windows, n - 1) : nullptr;
}

// The idle pass of the dispatch thread: without damage it allocates and draws nothing.
void Toolkit::flush() {
  Ref top = getTopWindow();
  if (!top) return;
  Window::paintDamage(top);
  vcall(m_sync, S().toolkit);
}

Ref Toolkit::getLaf() {
  clinit<Toolkit>();
  return S().laf;
}

Ref Toolkit::getDefaultFontMetrics() {
  clinit<Toolkit>();
  return S().fontMetrics;
}

Ref Toolkit::getSystemEventQueue(Ref) { return S().eventQueue; }

Ref Toolkit::getColorModel(Ref) { return jnew<java::awt::image::ColorModel>(S().colorDepth); }

void Toolkit::beep(Ref) {}

void Toolkit::sync(Ref) {}

Ref Toolkit::windows() {
  clinit<Toolkit>();
  return S().windows;
}

Ref Toolkit::dispatchThread() {
  clinit<Toolkit>();
  return S().dispatchThread;
}

}  // namespace java::awt
