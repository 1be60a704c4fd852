// com/sun/kjava/Spotlet$1
#include "com/sun/kjava/Spotlet_1.h"

#include "com/sun/kjava/Spotlet.h"
#include "java/io/DataInput.h"
#include "java/io/PrintStream.h"
#include "java/lang/Exception.h"
#include "java/lang/System.h"

namespace com::sun::kjava {

ClassDecl Spotlet_1::klass = {
    .name = "com/sun/kjava/Spotlet$1",
    .super = &java::lang::Thread::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Spotlet_1::init,
    .methods = {impl(java::lang::Thread::m_run, &run_entry<&Spotlet_1::run>)},
    .uses = {&com::sun::kjava::Spotlet::klass, &java::io::DataInput::klass,
             &java::io::PrintStream::klass, &java::lang::Exception::klass,
             &java::lang::System::klass, &java::lang::Thread::klass},
};

void Spotlet_1::init(Ref self) { java::lang::Thread::init(self); }

// Never blocks: an empty queue reads -1, which goes to the spotlet as an unknown event.
// A kind read while no spotlet is current is dropped (its parameters are read later as
// kinds). An exception from a handler is printed and the loop goes on.
void Spotlet_1::run(Ref) {
  for (;;) {
    try {
      jint event = icall(java::io::DataInput::m_readInt, Spotlet::eventInput());
      Ref volatile spotlet = Spotlet::current();
      if (spotlet) vcall(Spotlet::m_dispatch, spotlet, event, Spotlet::eventInput());
    } catch (JavaThrow& e) {
      if (!caught<java::lang::Exception>(e)) throw;
      Ref volatile problem = e.object();
      clinit<java::lang::System>();
      java::io::PrintStream::printlnObject(java::lang::System::S().out, problem);
    }
    java::lang::Thread::yield();
  }
}

}  // namespace com::sun::kjava
