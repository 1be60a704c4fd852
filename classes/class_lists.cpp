// The library's class lists, and the rule that cuts a program's list from them.
#include "class_lists.h"

#include "com/sun/cldc/i18n/Helper.h"
#include "com/sun/cldc/i18n/StreamReader.h"
#include "com/sun/cldc/i18n/StreamWriter.h"
#include "com/sun/cldc/i18n/j2me/ISO8859_1_Reader.h"
#include "com/sun/cldc/i18n/j2me/ISO8859_1_Writer.h"
#include "com/sun/cldc/i18n/uclc/DefaultCaseConverter.h"
#include "com/sun/cldc/io/ConnectionBase.h"
#include "com/sun/cldc/io/ConnectionBaseInterface.h"
#include "com/sun/cldc/io/GeneralBase.h"
#include "com/sun/cldc/io/NetworkConnectionBase.h"
#include "com/sun/cldc/io/j2me/datagram/Protocol.h"
#include "com/sun/cldc/io/j2me/debug/PrivateOutputStream.h"
#include "com/sun/cldc/io/j2me/debug/Protocol.h"
#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"
#include "com/sun/cldc/io/j2me/socket/PrivateInputStream.h"
#include "com/sun/cldc/io/j2me/socket/PrivateOutputStream.h"
#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "java/io/ByteArrayInputStream.h"
#include "java/io/ByteArrayOutputStream.h"
#include "java/io/DataInput.h"
#include "java/io/DataInputStream.h"
#include "java/io/DataOutput.h"
#include "java/io/DataOutputStream.h"
#include "java/io/EOFException.h"
#include "java/io/InputStream.h"
#include "java/io/InterruptedIOException.h"
#include "java/io/OutputStream.h"
#include "java/io/OutputStreamWriter.h"
#include "java/io/PrintStream.h"
#include "java/io/Reader.h"
#include "java/io/UnsupportedEncodingException.h"
#include "java/io/Writer.h"
#include "java/lang/Character.h"
#include "java/lang/Integer.h"
#include "java/lang/Long.h"
#include "java/lang/Math.h"
#include "java/lang/Runtime.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/System.h"
#include "java/util/Enumeration.h"
#include "java/util/NoSuchElementException.h"
#include "java/util/Random.h"
#include "java/util/Vector.h"
#include "java/util/VectorEnumerator.h"
#include "javax/microedition/io/Connection.h"
#include "javax/microedition/io/ConnectionNotFoundException.h"
#include "javax/microedition/io/Connector.h"
#include "javax/microedition/io/DatagramConnection.h"
#include "javax/microedition/io/InputConnection.h"
#include "javax/microedition/io/OutputConnection.h"
#include "javax/microedition/io/StreamConnection.h"
#include "javax/microedition/io/StreamConnectionNotifier.h"

std::vector<ClassDecl*> cldc_core_classes() {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), {
                              &java::lang::StringBuffer::klass,
                              &java::lang::Integer::klass,
                              &java::lang::Long::klass,
                              &java::lang::Character::klass,
                              &java::lang::Math::klass,
                              &java::lang::Runtime::klass,
                              &java::lang::System::klass,
                              &java::io::EOFException::klass,
                              &java::io::UnsupportedEncodingException::klass,
                              &java::io::InterruptedIOException::klass,
                              &java::io::InputStream::klass,
                              &java::io::OutputStream::klass,
                              &java::io::ByteArrayInputStream::klass,
                              &java::io::ByteArrayOutputStream::klass,
                              &java::io::DataInput::klass,
                              &java::io::DataOutput::klass,
                              &java::io::DataInputStream::klass,
                              &java::io::DataOutputStream::klass,
                              &java::io::Writer::klass,
                              &java::io::Reader::klass,
                              &java::io::OutputStreamWriter::klass,
                              &java::io::PrintStream::klass,
                              &com::sun::cldc::i18n::StreamWriter::klass,
                              &com::sun::cldc::i18n::StreamReader::klass,
                              &com::sun::cldc::i18n::j2me::ISO8859_1_Writer::klass,
                              &com::sun::cldc::i18n::j2me::ISO8859_1_Reader::klass,
                              &com::sun::cldc::i18n::Helper::klass,
                              &com::sun::cldc::i18n::uclc::DefaultCaseConverter::klass,
                              &javax::microedition::io::Connection::klass,
                              &javax::microedition::io::InputConnection::klass,
                              &javax::microedition::io::OutputConnection::klass,
                              &javax::microedition::io::StreamConnection::klass,
                              &javax::microedition::io::StreamConnectionNotifier::klass,
                              &javax::microedition::io::DatagramConnection::klass,
                              &javax::microedition::io::ConnectionNotFoundException::klass,
                              &javax::microedition::io::Connector::klass,
                              &com::sun::cldc::io::ConnectionBaseInterface::klass,
                              &com::sun::cldc::io::GeneralBase::klass,
                              &com::sun::cldc::io::ConnectionBase::klass,
                              &com::sun::cldc::io::NetworkConnectionBase::klass,
                              &com::sun::cldc::io::j2me::debug::Protocol::klass,
                              &com::sun::cldc::io::j2me::debug::PrivateOutputStream::klass,
                              &com::sun::cldc::io::j2me::socket::Protocol::klass,
                              &com::sun::cldc::io::j2me::socket::PrivateInputStream::klass,
                              &com::sun::cldc::io::j2me::socket::PrivateOutputStream::klass,
                              &com::sun::cldc::io::j2me::serversocket::Protocol::klass,
                              &com::sun::cldc::io::j2me::datagram::Protocol::klass,
                              &java::util::Enumeration::klass,
                              &java::util::NoSuchElementException::klass,
                              &java::util::Vector::klass,
                              &java::util::VectorEnumerator::klass,
                              &java::util::Random::klass,
                          });
  return list;
}

std::vector<const ClassDecl*> by_name_classes() {
  using namespace com::sun::cldc;
  return {
      &io::j2me::debug::Protocol::klass,        &io::j2me::socket::Protocol::klass,
      &io::j2me::serversocket::Protocol::klass, &io::j2me::datagram::Protocol::klass,
      &i18n::j2me::ISO8859_1_Writer::klass,     &i18n::j2me::ISO8859_1_Reader::klass,
      &i18n::uclc::DefaultCaseConverter::klass,
  };
}

std::vector<ClassDecl*> program_classes(const std::vector<ClassDecl*>& library,
                                        const std::vector<ClassDecl*>& application,
                                        const std::vector<const ClassDecl*>& byName) {
  std::vector<ClassDecl*> all = library;
  all.insert(all.end(), application.begin(), application.end());
  std::vector<const ClassDecl*> roots = by_name_classes();
  for (ClassDecl* c : runtime_classes()) roots.push_back(c);
  roots.insert(roots.end(), byName.begin(), byName.end());
  roots.insert(roots.end(), application.begin(), application.end());
  return rt_reached_classes(all, roots);
}
