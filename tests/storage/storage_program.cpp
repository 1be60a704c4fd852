// What the storage tests share.
#include "storage_program.h"

#include <algorithm>
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

void run_storage_program(const std::function<void()>& body) {
  namespace rms = javax::microedition::rms;
  std::vector<ClassDecl*> classes = runtime_classes();
  classes.insert(classes.end(),
                 {&com::sun::kjava::Database::klass, &rms::RecordStore::klass,
                  &rms::RecordStoreException::klass, &rms::RecordStoreNotOpenException::klass,
                  &rms::RecordStoreFullException::klass, &rms::InvalidRecordIDException::klass,
                  &java::lang::Integer::klass, &de::kawt::impl::AbstractRecordStore::klass,
                  &de::kawt::impl::kjava::RecordStoreImpl::klass});
  host_log.fatalThrows = true;
  run_initialised_program(classes, body);
  host_log.fatalThrows = false;
}

Bytes disk_bytes(const std::string& name) {
  std::string s = file_bytes(name);
  return Bytes(s.begin(), s.end());
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

Names records_on_disk(int n) {
  Names out;
  for (int i = 0; i < n; i++) {
    Bytes b = disk_bytes(rec(i));
    out.push_back(file_exists(rec(i)) ? std::string(b.begin(), b.end()) : "-");
  }
  return out;
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

bool fd_is_open(int fd) { return fcntl(fd, F_GETFD) != -1; }

int open_fd_count() {
  auto fds = std::filesystem::directory_iterator("/proc/self/fd");
  return static_cast<int>(std::distance(begin(fds), end(fds)));
}
