// com/sun/kjava/Spotlet
#include "com/sun/kjava/Spotlet.h"

#include "com/sun/cldc/io/j2me/events/Protocol.h"
#include "com/sun/kjava/Spotlet_1.h"
#include "host/natives.h"
#include "java/io/DataInput.h"
#include "java/io/IOException.h"
#include "java/io/PrintStream.h"
#include "java/lang/System.h"
#include "javax/microedition/io/Connector.h"
#include "javax/microedition/io/InputConnection.h"

namespace com::sun::kjava {

using java::io::DataInput;
using javax::microedition::io::InputConnection;

Operations Spotlet::unregistering = {.name = "com/sun/kjava/Spotlet.unregister()"};

ClassDecl Spotlet::klass = {
    .name = "com/sun/kjava/Spotlet",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Spotlet::staticInit,
    .defaultCtor = &Spotlet::init,
    .methods = {impl(m_dispatch, &Spotlet::dispatch), impl(m_unknownEvent, &Spotlet::unknownEvent),
                impl(m_register, &Spotlet::register_),
                impl(m_unregister, &Spotlet::unregister, &unregistering),
                impl(m_penDown, &Spotlet::penDown), impl(m_penUp, &Spotlet::penUp),
                impl(m_penMove, &Spotlet::penMove), impl(m_keyDown, &Spotlet::keyDown),
                impl(m_beamReceive, &Spotlet::beamReceive)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::cldc::io::j2me::events::Protocol::klass, &com::sun::kjava::Spotlet_1::klass,
             &java::io::DataInput::klass, &java::io::IOException::klass,
             &java::io::PrintStream::klass, &java::lang::System::klass,
             &javax::microedition::io::Connector::klass,
             &javax::microedition::io::InputConnection::klass},
};

// Opening the stream claims the host queue; from then on the event thread reads it.
// Without the connection the class still works but no event arrives.
void Spotlet::staticInit() {
  try {
    S().eventConnection =
        cast<InputConnection>(javax::microedition::io::Connector::open(lit("events:")));
    S().eventInput =
        cast<DataInput>(icall(InputConnection::m_openInputStream, S().eventConnection));
    Ref volatile thread = jnew<Spotlet_1>();
    java::lang::Thread::start(thread);
  } catch (JavaThrow& e) {
    if (!caught<java::io::IOException>(e)) throw;
    Ref volatile problem = e.object();
    clinit<java::lang::System>();
    java::io::PrintStream::printlnObject(java::lang::System::S().out, problem);
  }
}

void Spotlet::init(Ref self) { java::lang::Object::init(self); }

// Reads the event's parameters and calls its handler; a kind outside 0..4 (-1 when the
// queue is empty) reads nothing more.
void Spotlet::dispatch(Ref self, jint event, Ref in) {
  switch (event) {
    case 0: {
      Ref volatile connection =
          cast<com::sun::cldc::io::j2me::events::Protocol>(S().eventConnection);
      Ref volatile data =
          vcall(com::sun::cldc::io::j2me::events::Protocol::m_readBeamData, connection, in);
      vcall(m_beamReceive, self, data);
      return;
    }
    case 1:
    case 2:
    case 3: {
      jint x = icall(DataInput::m_readInt, in);
      jint y = icall(DataInput::m_readInt, in);
      if (event == 1) vcall(m_penDown, self, x, y);
      if (event == 2) vcall(m_penUp, self, x, y);
      if (event == 3) vcall(m_penMove, self, x, y);
      return;
    }
    case 4:
      vcall(m_keyDown, self, icall(DataInput::m_readInt, in));
      return;
    default:
      vcall(m_unknownEvent, self, event, in);
  }
}

void Spotlet::unknownEvent(Ref, jint, Ref) {}

// Events queued before the call are discarded.
void Spotlet::register_(Ref self, jint eventOptions) {
  S().current = self;
  evt_set_options(eventOptions);
}

// Leaves no spotlet current, whichever this one is; the queue is not touched.
void Spotlet::unregister(Ref) { S().current = nullptr; }

void Spotlet::penDown(Ref, jint, jint) {}

void Spotlet::penUp(Ref, jint, jint) {}

void Spotlet::penMove(Ref, jint, jint) {}

void Spotlet::keyDown(Ref, jint) {}

void Spotlet::beamReceive(Ref, Ref) {}

Ref Spotlet::eventInput() {
  clinit<Spotlet>();
  return S().eventInput;
}

Ref Spotlet::current() {
  clinit<Spotlet>();
  return S().current;
}

}  // namespace com::sun::kjava
