// Record storage natives: palm databases kept as a name file and one file per record.
#pragma once

#include "runtime/rt.h"

// Databases are created, opened and read by class code (com/sun/kjava/Database); each
// native clears the pending error first and leaves at most one error code.
jint db_create(jint cardNo, Ref name, jint creator, jint type, jint resDB);
jint db_open(jint type, jint creator, jint mode);
void db_close(Ref database);
jint db_record_count(Ref database);
Ref db_get_record(Ref database, jint index, Ref array);
jint db_set_record(Ref database, jint index, Ref array);
// Appends a record: its number, or -1 on failure (the record stores report the number).
jint db_append_record(Ref database, Ref array);
jint db_delete_record(Ref database, jint index);
jint db_zero();
const char* sys_flash_id();

// Record number that db_set_record takes as "append after the last record".
constexpr jint DB_APPEND = 65535;

// The release hook's action for a freed com/sun/kjava/Database: closes its name file.
void db_release(Ref database);
