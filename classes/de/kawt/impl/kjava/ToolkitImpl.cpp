// de/kawt/impl/kjava/ToolkitImpl
#include "de/kawt/impl/kjava/ToolkitImpl.h"

#include "com/sun/kjava/Graphics.h"
#include "de/kawt/impl/kjava/FontMetricsImpl.h"
#include "de/kawt/impl/kjava/GifLoader.h"
#include "de/kawt/impl/kjava/SpotletImpl.h"
#include "java/awt/Dimension.h"
#include "java/io/ByteArrayInputStream.h"

namespace de::kawt::impl::kjava {

using java::awt::Toolkit;

ClassDecl ToolkitImpl::klass = {
    .name = "de/kawt/impl/kjava/ToolkitImpl",
    .super = &Toolkit::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &ToolkitImpl::staticInit,
    .defaultCtor = &ToolkitImpl::init,
    .methods = {::impl(Toolkit::m_beep, &ToolkitImpl::beep),
                ::impl(Toolkit::m_getScreenSize, &ToolkitImpl::getScreenSize),
                ::impl(Toolkit::m_getFontMetrics, &ToolkitImpl::getFontMetrics),
                ::impl(Toolkit::m_createImage, &ToolkitImpl::createImage)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::Toolkit::klass, &com::sun::kjava::Graphics::klass,
             &de::kawt::impl::kjava::FontMetricsImpl::klass,
             &de::kawt::impl::kjava::GifLoader::klass, &de::kawt::impl::kjava::SpotletImpl::klass,
             &java::awt::Dimension::klass, &java::io::ByteArrayInputStream::klass},
};

void ToolkitImpl::staticInit() { S().spotlet = jnew<SpotletImpl>(); }

void ToolkitImpl::init(Ref self) { Toolkit::init(self); }

void ToolkitImpl::beep(Ref) { com::sun::kjava::Graphics::playSound(5); }

Ref ToolkitImpl::getScreenSize(Ref) { return jnew<java::awt::Dimension>(160, 160); }

Ref ToolkitImpl::getFontMetrics(Ref, Ref font) { return jnew<FontMetricsImpl>(font); }

// A GIF picture at the toolkit's colour depth.
Ref ToolkitImpl::createImage(Ref, Ref data) {
  Ref volatile in = jnew<java::io::ByteArrayInputStream>(data);
  clinit<Toolkit>();
  return GifLoader::load(in, Toolkit::S().colorDepth);
}

}  // namespace de::kawt::impl::kjava
