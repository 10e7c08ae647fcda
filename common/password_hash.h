// Password hashes for a poll's administration start page. The page keeps only the hash; the
// administration password itself is written into no file of the web.
//
// The poll templates read the hashes from these form values:
//   "phppasswordhash"  a SHA-512 crypt hash ("$6$rounds=...$salt$hash") that PHP's
//                      password_verify accepts (PHP admin/index.php);
//   "asppasswordhash"  "sha256$<iterations>$<salt hex>$<digest hex>", checked by the ASP
//                      admin/default.asp (see aspPasswordHash).
// An empty password gives "*" for both: no password matches it, and the admin pages then say
// that no password is set.
#pragma once

#include <string>
#include <string_view>

#include "common/string_dictionary.h"

namespace norvel::common {

inline constexpr const char* kPasswordKey = "password";
inline constexpr const char* kPhpPasswordHashKey = "phppasswordhash";
inline constexpr const char* kAspPasswordHashKey = "asppasswordhash";
inline constexpr const char* kNoPasswordHash = "*";

// SHA-512 crypt with 100000 rounds and a fresh random salt, through the system's libcrypt.
// Throws Error when libcrypt refuses.
std::string phpPasswordHash(std::string_view password);

inline constexpr int kAspHashIterations = 10000;

// Salted, iterated SHA-256 that classic ASP can compute with the .NET SHA256Managed object:
//   d1 = SHA-256(salt + password), d(i) = SHA-256(hex(d(i-1)) + salt + password),
// where salt is the lower-case hex text of the salt, the password is taken as UTF-8 bytes and
// hex() is lower-case; the result is "sha256$" + iterations + "$" + salt + "$" + hex(d(n)).
// The first form makes a random 16-byte salt and uses kAspHashIterations.
std::string aspPasswordHash(std::string_view password);
std::string aspPasswordHash(std::string_view password, std::string_view saltHex, int iterations);

// The SHA-256 digest of `bytes` as 64 lower-case hex digits.
std::string sha256Hex(std::string_view bytes);

// Sets "phppasswordhash" and "asppasswordhash" from the value of "password" (kNoPasswordHash
// for both when it is empty or missing). The generator calls this before filling templates.
void setPasswordHashes(StringDictionary& formValues);

}  // namespace norvel::common
