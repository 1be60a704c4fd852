// Record storage natives: databases as files in the current directory.
//
// A database of creator C and type T is the name file CCCCCCCC-TTTTTTTT-name (the two ids
// big-endian, then the name's bytes padded with zeros to 32) and one file per record,
// CCCCCCCC-TTTTTTTT-rec.N, holding exactly the record's bytes. Other programs and later
// runs read these files, so their names and layout never change.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/db.h"
#include "host/db_files.h"

static constexpr size_t HANDLE_FIELD = 0;  // byte offset of Database.dbRef
static constexpr size_t NAME_FIELD_BYTES = 32;

/* ---------------------------------------------------------------------------
 * Names and identity
 * ------------------------------------------------------------------------- */

static std::string ids_prefix(uint32_t creator, uint32_t type) {
  char buf[24];
  snprintf(buf, sizeof buf, "%08X-%08X-", static_cast<unsigned>(creator),
           static_cast<unsigned>(type));
  return buf;
}

static std::string name_file(uint32_t creator, uint32_t type) {
  return ids_prefix(creator, type) + "name";
}

static std::string record_prefix(uint32_t creator, uint32_t type) {
  return ids_prefix(creator, type) + "rec.";
}

static std::string record_file(uint32_t creator, uint32_t type, jint index) {
  return record_prefix(creator, type) + std::to_string(index);
}

// Where a record's new bytes are written before they take the record's name: one per
// record, so writers of different records never share one, and of no record pattern, so
// a leftover never counts as a record.
static std::string scratch_file(uint32_t creator, uint32_t type, jint index) {
  return ids_prefix(creator, type) + "new." + std::to_string(index);
}

static void put_be32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v >> 24);
  p[1] = static_cast<uint8_t>(v >> 16);
  p[2] = static_cast<uint8_t>(v >> 8);
  p[3] = static_cast<uint8_t>(v);
}

static uint32_t get_be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

static jint handle_of(Ref database) { return rt_get_int(database, HANDLE_FIELD); }

// The ids at the head of an open name file: the records are the ones they name.
static bool read_ids(int fd, uint32_t* creator, uint32_t* type) {
  uint8_t head[8];
  if (!db_file_seek(fd, 0) || db_file_read(fd, head, sizeof head) != sizeof head) return false;
  *creator = get_be32(head);
  *type = get_be32(head + 4);
  return true;
}

// The ids of an open database. A handle below 1 is no file of ours (0 would be standard
// input), so it has no ids.
static bool read_identity(Ref database, uint32_t* creator, uint32_t* type) {
  jint fd = handle_of(database);
  return fd >= 1 && read_ids(fd, creator, type);
}

// A record's number as its file name writes it: decimal without leading zeros. Other names
// of the pattern (a copy such as rec.0.bak) are no record.
static bool record_number(const std::string& digits, jint* n) {
  if (digits.empty() || digits.size() > 10 || (digits[0] == '0' && digits.size() > 1)) return false;
  int64_t v = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > INT32_MAX) return false;
  *n = static_cast<jint>(v);
  return true;
}

// The numbers of the database's records in ascending order; false when the directory cannot
// be listed: an append or a delete must then fail rather than take the count for 0 and
// replace record 0.
static bool record_numbers(uint32_t creator, uint32_t type, std::vector<jint>* numbers) {
  std::vector<std::string> rests;
  if (!db_file_list(record_prefix(creator, type).c_str(), &rests)) return false;
  for (const std::string& rest : rests)
    if (jint n; record_number(rest, &n)) numbers->push_back(n);
  std::sort(numbers->begin(), numbers->end());
  return true;
}

// The number of records, -1 when it cannot be known.
static jint count_records(uint32_t creator, uint32_t type) {
  std::vector<jint> numbers;
  return record_numbers(creator, type, &numbers) ? static_cast<jint>(numbers.size()) : -1;
}

// Numbers the records 0 to count - 1 again, in their order, where a gap has come between
// them: a delete stopped between its remove and its rename, or another program, left one.
// An append at the count would otherwise land on the record past the gap. No move replaces
// anything; the count, or -1 when the records cannot be listed or moved.
static jint close_gaps(uint32_t creator, uint32_t type) {
  std::vector<jint> numbers;
  if (!record_numbers(creator, type, &numbers)) return -1;
  for (size_t i = 0; i < numbers.size(); i++) {
    jint to = static_cast<jint>(i);
    if (numbers[i] != to && db_file_move_new(record_file(creator, type, numbers[i]).c_str(),
                                             record_file(creator, type, to).c_str()) != DB_FILE_OK)
      return -1;
  }
  return static_cast<jint>(numbers.size());
}

// The name's characters, one low byte each; false for a string without characters.
static bool name_bytes(Ref name, std::vector<uint8_t>* out) {
  const StringFields* s = rt_string(name);
  if (!s->value) return false;
  const ArrayFields* chars = rt_array(s->value);
  if (!chars->storage || s->offset < 0 || s->count < 0 ||
      static_cast<int64_t>(s->offset) + s->count > chars->length)
    return false;
  const jchar* c = static_cast<const jchar*>(chars->storage) + s->offset;
  for (jint i = 0; i < s->count; i++) out->push_back(static_cast<uint8_t>(c[i] & 0xff));
  return true;
}

/* ---------------------------------------------------------------------------
 * Databases
 * ------------------------------------------------------------------------- */

// Writes a new name file (replacing one that exists); records already there stay.
jint db_create(jint cardNo, Ref name, jint creator, jint type, jint resDB) {
  rt_take_error();
  std::vector<uint8_t> bytes(8);
  put_be32(bytes.data(), static_cast<uint32_t>(creator));
  put_be32(bytes.data() + 4, static_cast<uint32_t>(type));
  if (!name || !name_bytes(name, &bytes)) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return 0;
  }
  if (bytes.size() < 8 + NAME_FIELD_BYTES) bytes.resize(8 + NAME_FIELD_BYTES, 0);
  std::string file = name_file(static_cast<uint32_t>(creator), static_cast<uint32_t>(type));
  int fd = db_file_open(file.c_str(), DB_OPEN_CREATE);
  if (fd < 1) return 0;
  bool written =
      db_file_write(fd, bytes.data(), static_cast<int64_t>(bytes.size())) && db_file_flush(fd);
  if (!db_file_close(fd)) written = false;
  if (!written) {
    db_file_remove(file.c_str());  // no half-written name file
    return 0;
  }
  return 1;
}

// Mode 1 opens the name file read-only, 2 and 3 read-write; it is never created here.
// Opened for writing, the records get back numbers without a gap, so that every number up
// to the count reads and nothing is added past a gap.
jint db_open(jint type, jint creator, jint mode) {
  rt_take_error();
  DbOpenHow how;
  if (mode == 1) {
    how = DB_OPEN_READ;
  } else if (mode == 2 || mode == 3) {
    how = DB_OPEN_READ_WRITE;
  } else {
    rt_set_error(ERR_ILLEGAL_ARGUMENT, __LINE__);
    return -1;
  }
  std::string file = name_file(static_cast<uint32_t>(creator), static_cast<uint32_t>(type));
  int fd = db_file_open(file.c_str(), how);
  if (fd < 1) return 0;
  uint32_t ids[2];
  if (how == DB_OPEN_READ_WRITE && read_ids(fd, &ids[0], &ids[1])) close_gaps(ids[0], ids[1]);
  return fd;
}

void db_close(Ref database) {
  rt_take_error();
  if (!database) return;
  jint fd = handle_of(database);
  if (fd > 0) {
    db_file_close(fd);
    rt_set_int(database, HANDLE_FIELD, -1);
  }
}

void db_release(Ref database) {
  if (!database) return;
  jint fd = handle_of(database);
  if (fd >= 1) db_file_close(fd);  // the object is going: its field stays as it is
}

/* ---------------------------------------------------------------------------
 * Records
 * ------------------------------------------------------------------------- */

jint db_record_count(Ref database) {
  rt_take_error();
  uint32_t creator, type;
  if (!database || !read_identity(database, &creator, &type)) return 0;
  jint n = count_records(creator, type);
  return n < 0 ? 0 : n;
}

// Reads the whole record file into the array. Its storage comes from the heap budget, so
// the collector gives back exactly what was counted; a record the heap cannot hold is an
// out-of-memory error, not a fatal one.
Ref db_get_record(Ref database, jint index, Ref array) {
  rt_take_error();
  if (!database || !array) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return nullptr;
  }
  if (rt_array(array)->elementSize != 1) {
    rt_set_error(ERR_ILLEGAL_ARGUMENT, __LINE__);
    return nullptr;
  }
  uint32_t creator, type;
  if (index < 0 || !read_identity(database, &creator, &type)) return nullptr;
  int fd = db_file_open(record_file(creator, type, index).c_str(), DB_OPEN_READ);
  if (fd < 1) return nullptr;
  int64_t size = db_file_size(fd);
  if (size <= 0) {
    db_file_close(fd);
    return size == 0 ? array : nullptr;
  }
  Ref volatile kept = array;  // the allocation below may collect
  void* block = size <= INT32_MAX ? heap_alloc(size) : nullptr;
  if (!block) {
    db_file_close(fd);
    rt_set_error(ERR_OUT_OF_MEMORY, __LINE__);
    return nullptr;
  }
  if (!db_file_seek(fd, 0) || db_file_read(fd, block, size) != size) {
    heap_free(block);
    db_file_close(fd);
    return nullptr;
  }
  db_file_close(fd);
  ArrayFields* a = rt_array(kept);
  void* old = a->storage;
  a->storage = block;
  a->length = static_cast<jint>(size);
  heap_free(old);
  return kept;
}

// Writes the array's bytes to a new scratch file for record index. The bytes go there first
// and then take the record's name, so a failed write (a full disk) reports failure and leaves
// the old record, or no record, as it was. Empty when the write failed.
static std::string write_scratch(uint32_t creator, uint32_t type, jint index, Ref array) {
  const ArrayFields* a = rt_array(array);
  int64_t bytes = a->storage && a->length > 0 ? int64_t{a->length} * a->elementSize : 0;
  // A leftover scratch file, or a link planted in its place, goes first; the new one is
  // made exclusively, so the bytes never land anywhere but in it.
  std::string scratch = scratch_file(creator, type, index);
  db_file_remove(scratch.c_str());
  int fd = db_file_open(scratch.c_str(), DB_OPEN_CREATE_NEW);
  if (fd < 1) return "";
  bool written = db_file_write(fd, a->storage, bytes) && db_file_flush(fd);
  if (!db_file_close(fd)) written = false;
  if (!written) {
    db_file_remove(scratch.c_str());
    return "";
  }
  return scratch;
}

// Gives the scratch file the record's name: replacing the record only when asked to.
static bool place(const std::string& scratch, const std::string& target, bool replace) {
  if (scratch.empty()) return false;
  int moved = replace ? db_file_move(scratch.c_str(), target.c_str())
                      : db_file_move_new(scratch.c_str(), target.c_str());
  if (moved == DB_FILE_OK) return true;
  db_file_remove(scratch.c_str());
  return false;
}

// Adds the array's bytes as a record after the last one; the record's number, or -1. It
// never replaces a record: a gap below the count is closed first, and a record that another
// program adds at that number meanwhile makes the append fail.
jint db_append_record(Ref database, Ref array) {
  rt_take_error();
  if (!database || !array) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return -1;
  }
  uint32_t creator, type;
  if (!read_identity(database, &creator, &type)) return -1;
  jint index = close_gaps(creator, type);
  if (index < 0) return -1;
  std::string scratch = write_scratch(creator, type, index, array);
  return place(scratch, record_file(creator, type, index), false) ? index : -1;
}

// Replaces record index (DB_APPEND: appends) with the array's bytes. A missing record is
// written only up to the count: one past it would leave a gap.
jint db_set_record(Ref database, jint index, Ref array) {
  if (index == DB_APPEND) return db_append_record(database, array) >= 0;
  rt_take_error();
  if (!database || !array) {
    rt_set_error(ERR_NULL_POINTER, __LINE__);
    return 0;
  }
  uint32_t creator, type;
  if (!read_identity(database, &creator, &type)) return 0;
  if (index < 0) return 0;
  std::string target = record_file(creator, type, index);
  // An existing record must be writable, as it is when written in place.
  int probe = db_file_open(target.c_str(), DB_OPEN_READ_WRITE);
  bool exists = probe >= 1;
  if (exists) {
    db_file_close(probe);
  } else if (probe != DB_FILE_MISSING) {
    return 0;
  } else {
    jint count = count_records(creator, type);
    if (count < 0 || index > count) return 0;
  }
  return place(write_scratch(creator, type, index, array), target, exists);
}

// Removes record index and moves every later record one number down. A step that fails
// for any reason but a missing file stops the walk and reports failure: going on would
// delete a record that was never moved.
jint db_delete_record(Ref database, jint index) {
  rt_take_error();
  uint32_t creator, type;
  if (!database || !read_identity(database, &creator, &type)) return 0;
  if (index < 0) return 0;
  jint count = count_records(creator, type);
  if (count < 0) return 0;
  for (jint i = index; i < count; i++) {
    if (db_file_remove(record_file(creator, type, i).c_str()) == DB_FILE_FAILED) return 0;
    if (i + 1 < count && db_file_move(record_file(creator, type, i + 1).c_str(),
                                      record_file(creator, type, i).c_str()) == DB_FILE_FAILED)
      return 0;
  }
  return 1;
}

/* ---------------------------------------------------------------------------
 * Device queries
 * ------------------------------------------------------------------------- */

jint db_zero() {
  rt_take_error();
  return 0;
}

const char* sys_flash_id() {
  rt_take_error();
  return "No flash ID";
}
