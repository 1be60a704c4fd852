// de/kawt/impl/kjava/FontMetricsImpl
#include "de/kawt/impl/kjava/FontMetricsImpl.h"

#include "com/sun/kjava/Graphics.h"
#include "java/awt/Font.h"

namespace de::kawt::impl::kjava {

using java::awt::FontMetrics;

ClassDecl FontMetricsImpl::klass = {
    .name = "de/kawt/impl/kjava/FontMetricsImpl",
    .super = &FontMetrics::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &FontMetricsImpl::staticInit,
    .methods = {::impl(FontMetrics::m_stringWidth, &FontMetricsImpl::stringWidth),
                ::impl(FontMetrics::m_getHeight, &FontMetricsImpl::getHeight),
                ::impl(FontMetrics::m_getAscent, &FontMetricsImpl::getAscent),
                ::impl(FontMetrics::m_getDescent, &FontMetricsImpl::getDescent)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::FontMetrics::klass, &com::sun::kjava::Graphics::klass,
             &java::awt::Font::klass},
};

void FontMetricsImpl::staticInit() {
  Ref volatile font = jnew<java::awt::Font>(lit("plain"), 0, 8);
  S().defaultMetrics = jnew<FontMetricsImpl>(font);
}

void FontMetricsImpl::init(Ref self, Ref font) { FontMetrics::init(self, font); }

Ref FontMetricsImpl::defaultMetrics() {
  clinit<FontMetricsImpl>();
  return S().defaultMetrics;
}

jint FontMetricsImpl::stringWidth(Ref, Ref s) { return com::sun::kjava::Graphics::getWidth(s); }

jint FontMetricsImpl::getHeight(Ref) { return HEIGHT; }

jint FontMetricsImpl::getAscent(Ref) { return ASCENT; }

jint FontMetricsImpl::getDescent(Ref) { return DESCENT; }

}  // namespace de::kawt::impl::kjava
