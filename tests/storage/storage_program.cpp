// Storage test harness: class list, host hooks, per-test directory and file helpers.
#include "storage_program.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "class_lists.h"
#include "com/sun/kjava/Database.h"
#include "de/kawt/impl/AbstractRecordStore.h"
#include "de/kawt/impl/kjava/RecordStoreImpl.h"
#include "java/lang/Integer.h"
#include "javax/microedition/rms/InvalidRecordIDException.h"
#include "javax/microedition/rms/RecordStoreFullException.h"
#include "javax/microedition/rms/RecordStoreNotOpenException.h"

std::vector<std::string> released_classes, fatal_reports;

int natives_init() { return 1; }
void natives_shutdown() {}

// The database row of the host's release table.
void host_release_resources(Ref object, const char* className) {
  if (!object || !className) return;
  released_classes.push_back(className);
  if (strcmp(className, "com/sun/kjava/Database") == 0) db_release(object);
}

void host_fatal_display(const char* text) {
  fatal_reports.push_back(text);
  throw std::string(text);
}

__attribute__((noinline)) void run_storage_program(const std::function<void()>& body) {
  released_classes.clear();
  fatal_reports.clear();
  namespace rms = javax::microedition::rms;
  std::vector<ClassDecl*> classes = runtime_classes();
  classes.insert(classes.end(),
                 {&com::sun::kjava::Database::klass, &rms::RecordStore::klass,
                  &rms::RecordStoreException::klass, &rms::RecordStoreNotOpenException::klass,
                  &rms::RecordStoreFullException::klass, &rms::InvalidRecordIDException::klass,
                  &java::lang::Integer::klass, &de::kawt::impl::AbstractRecordStore::klass,
                  &de::kawt::impl::kjava::RecordStoreImpl::klass});
  const ProgramImage& image = rt_build_program(classes);
  ASSERT_EQ(rt_init(image), 1);
  coop_init();
  Ref head = rt_new_object(image.threadClass);
  coop_current()->arg = head;
  rt_init_all_classes();
  body();
  coop_shutdown();
  rt_shutdown();
}

void StorageTest::SetUp() {
  old_cwd_ = std::filesystem::current_path();
  std::filesystem::path base =
      base_.empty() ? std::filesystem::temp_directory_path() : std::filesystem::path(base_);
  dir_ = (base / "storage-XXXXXX").string();
  ASSERT_NE(mkdtemp(dir_.data()), nullptr);
  std::filesystem::current_path(dir_);
}

void StorageTest::TearDown() {
  std::filesystem::current_path(old_cwd_);
  std::filesystem::remove_all(dir_);
}

Bytes file_bytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::string& name, const Bytes& bytes) {
  std::ofstream(name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

bool file_exists(const std::string& name) { return access(name.c_str(), F_OK) == 0; }

void empty_dir() {
  for (const auto& e : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(e);
}

std::vector<std::string> dir_entries() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator("."))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

Ref byte_array(const Bytes& bytes) {
  Ref a = new_byte_array(static_cast<jint>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), elements<uint8_t>(a));
  return a;
}

Bytes array_bytes(Ref array) {
  if (!array) return {'n', 'u', 'l', 'l'};  // a failure to compare, not a crash
  const uint8_t* p = elements<uint8_t>(array);
  return Bytes(p, p + alen(array));
}

Ref jstring_of(const std::u16string& chars, jint offset, jint count) {
  Ref volatile value = new_char_array(static_cast<jint>(chars.size()));
  for (size_t i = 0; i < chars.size(); i++) elements<jchar>(value)[i] = chars[i];
  Ref s = jnew<java::lang::String>(static_cast<Ref>(value));
  rt_string(s)->offset = offset;  // a part of a shared array, as a substring may be
  if (count >= 0) rt_string(s)->count = count;
  return s;
}

Ref raw_database(jint creator, jint type, jint mode) {
  Ref db = rt_new_object(com::sun::kjava::Database::klass.index);
  com::sun::kjava::Database::f(db).dbRef = db_open(type, creator, mode);
  return db;
}

jint handle(Ref database) { return com::sun::kjava::Database::f(database).dbRef; }

Ref database_with(const std::vector<Bytes>& records) {
  EXPECT_EQ(db_create(0, lit("Test"), 1, 2, 0), 1);
  for (size_t i = 0; i < records.size(); i++) write_file(rec(static_cast<int>(i)), records[i]);
  return raw_database(1, 2, 3);
}

Ref get(Ref db, jint n) { return db_get_record(db, n, byte_array({})); }

std::string thrown_by(const std::function<void()>& call) {
  try {
    call();
  } catch (JavaThrow& e) {
    return rt_record(rt_class_of(e.object()))->name;
  }
  return "";
}

bool fd_is_open(int fd) { return fcntl(fd, F_GETFD) != -1; }

int open_fd_count() {
  auto fds = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<int>(std::distance(begin(fds), end(fds)));
}
