// A page that counts its starts in a record database: each start adds a record and says how
// many there are, so that a browser test sees the storage outlive a reload.
#include "class_lists.h"
#include "com/sun/kjava/Database.h"
#include "host/host.h"
#include "java/io/PrintStream.h"
#include "java/lang/String.h"
#include "java/lang/System.h"

namespace {

using com::sun::kjava::Database;
using java::io::PrintStream;

constexpr jint kCreator = 0x57656253;  // 'WebS'
constexpr jint kType = 0x44617461;     // 'Data'
constexpr jint kReadWrite = 3;

void say(const char* text) {
  vcall(PrintStream::m_println, java::lang::System::S().out, lit(text));
}

void count_start(Ref) {
  Ref volatile db = jnew<Database>(kType, kCreator, kReadWrite);
  if (!vcall(Database::m_isOpen, db)) {  // the first start makes it
    Database::create(0, lit("WebStarts"), kCreator, kType, false);
    db = jnew<Database>(kType, kCreator, kReadWrite);
  }
  if (!vcall(Database::m_isOpen, db)) {
    say("starts: no database");
    return;
  }
  Ref volatile record = new_byte_array(1);
  bool stored = vcall(Database::m_addRecord, db, record);
  std::string line = "starts: " + std::to_string(vcall(Database::m_getNumberOfRecords, db));
  if (!stored) line += " (this one not stored)";
  vcall(Database::m_close, db);
  say(line.c_str());
}

const ProgramImage& program() {
  std::vector<ClassDecl*> library = cldc_core_classes();
  library.push_back(&Database::klass);
  return rt_build_program(program_classes(
      library, {}, {&Database::klass, &java::lang::System::klass, &PrintStream::klass}));
}

}  // namespace

const HostApplication host_application = {
    .name = "WebStarts",
    .colourByDefault = 0,
    .program = &program,
    .main = &count_start,
};
