// The system property table, which the host's property native reads.
#include <cstring>

#include "host/modules.h"

struct Property {
  const char* key;
  const char* value;
};

static const Property PROPERTIES[] = {
    {"microedition.configuration", "cldc"},
    {"microedition.platform", "j2me"},
    {"microedition.protocolpath", nullptr},
    {"microedition.encodingClass", "ISO8859_1"},
    {"microedition.i18npath", nullptr},
    {"microedition.caseConverter", nullptr},
    {"kawt.colordepth", "8"},  // null when colour is off
    {"de.kawt.classbase", "de.kawt.impl.kjava"},
};

// Compares at most n characters, stopping after the row's key ends: so a key matches a
// row it equals or is a prefix of, and not one it is longer than.
static bool key_matches(const jchar* k, jint n, const char* row) {
  for (jint i = 0; i < n; i++) {
    auto c = static_cast<jchar>(static_cast<unsigned char>(row[i]));
    if (k[i] != c) return false;
    if (c == 0) break;
  }
  return true;
}

const char* host_property(Ref key, int colour) {
  if (!key || !rt_string(key)->value) return nullptr;
  StringFields* f = rt_string(key);
  jint length = rt_array(f->value)->length;
  if (f->offset < 0 || f->offset > length) return "";
  jint n = f->count < length - f->offset ? f->count : length - f->offset;
  const jchar* k = static_cast<const jchar*>(rt_array(f->value)->storage) + f->offset;
  for (const Property& p : PROPERTIES) {
    if (!key_matches(k, n, p.key)) continue;
    if (strcmp(p.key, "kawt.colordepth") == 0 && !colour) return nullptr;
    return p.value;
  }
  return "";
}
