// The palm profile's classes as a program's class list takes them.
#include "com/sun/kjava/class_list.h"

#include "com/sun/cldc/io/j2me/events/PrivateInputStream.h"
#include "com/sun/cldc/io/j2me/events/Protocol.h"
#include "com/sun/kjava/Bitmap.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Graphics.h"
#include "com/sun/kjava/Spotlet.h"
#include "com/sun/kjava/Spotlet_1.h"

std::vector<ClassDecl*> palm_profile_classes() {
  return {
      &com::sun::cldc::io::j2me::events::Protocol::klass,
      &com::sun::cldc::io::j2me::events::PrivateInputStream::klass,
      &com::sun::kjava::Spotlet::klass,
      &com::sun::kjava::Spotlet_1::klass,
      &com::sun::kjava::Graphics::klass,
      &com::sun::kjava::Button::klass,
      &com::sun::kjava::Bitmap::klass,
  };
}
