// java/awt/Graphics
#include "java/awt/Graphics.h"

namespace java::awt {

ClassDecl Graphics::klass = {
    .name = "java/awt/Graphics",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {abstract_method(m_create),           abstract_method(m_translate),
                abstract_method(m_clipRect),         abstract_method(m_setClip),
                abstract_method(m_getClipBounds),    abstract_method(m_getClipBoundsInto),
                abstract_method(m_hitClip),          abstract_method(m_setColor),
                abstract_method(m_getColor),         abstract_method(m_setXORMode),
                abstract_method(m_setPaintMode),     abstract_method(m_setFont),
                abstract_method(m_getFont),          abstract_method(m_getFontMetrics),
                abstract_method(m_getFontMetricsOf), abstract_method(m_drawLine),
                abstract_method(m_drawPolyline),     abstract_method(m_drawRect),
                abstract_method(m_drawRoundRect),    abstract_method(m_drawOval),
                abstract_method(m_fillRect),         abstract_method(m_fillRoundRect),
                abstract_method(m_clearRect),        abstract_method(m_drawString),
                abstract_method(m_drawImage),        abstract_method(m_dispose)},
    .uses = {&java::lang::Object::klass},
};

void Graphics::init(Ref self) { java::lang::Object::init(self); }

Ref Graphics::create(Ref self, jint x, jint y, jint width, jint height) {
  Ref volatile g = vcall(m_create, nn(self));
  vcall(m_translate, g, x, y);
  vcall(m_clipRect, g, 0, 0, width, height);
  return g;
}

}  // namespace java::awt
