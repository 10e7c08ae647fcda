// The admin password hashes: the digest against published vectors, the ASP hash against
// vectors worked out elsewhere, and the PHP hash against PHP's own password_verify.
#include "common/password_hash.h"

#include <gtest/gtest.h>

#include "tests/templates/poll/php_server.h"

namespace norvel::common {
namespace {

using tests::findProgram;
using tests::runProcess;

TEST(PollTemplatePasswordHash, Sha256MatchesPublishedVectors) {
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // Lengths around the block and padding boundaries.
    EXPECT_EQ(sha256Hex(std::string(55, 'q')),
              "85528b5baff5639cb8e7daca79d085ac29ac0978e873ed7527158616b2b6c379");
    EXPECT_EQ(sha256Hex(std::string(56, 'q')),
              "f8ce2f8d6990c639668fe404262f35ed72d8bb145ad6bae786af7284447386df");
    EXPECT_EQ(sha256Hex(std::string(64, 'q')),
              "ee8e658590c9a5e119400a774415a01db104de1ee6e2c29ec69aa73ef46544d2");
    EXPECT_EQ(sha256Hex(std::string(120, 'q')),
              "77a2d49d72a11e41678c51f8f0cb67f5cb570f30370c3aeffe266a0d1ee43209");
    EXPECT_EQ(sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(PollTemplatePasswordHash, AspHashMatchesKnownVectors) {
    EXPECT_EQ(aspPasswordHash("correct horse", "00112233445566778899aabbccddeeff", 3),
              "sha256$3$00112233445566778899aabbccddeeff$"
              "aca0efc95b79f6943f7d78604c84f5477b538ac13a1329cdfd7d012e28706e6d");
    EXPECT_EQ(aspPasswordHash("p\xC3\xA4ssw\xC3\xB6rd", "a1b2c3d4e5f60718293a4b5c6d7e8f90", 10000),
              "sha256$10000$a1b2c3d4e5f60718293a4b5c6d7e8f90$"
              "4cdcb9688925ac94e596e4e3efc73ca43848002d2dda1f60c9c191740a6bd614");

    std::string first = aspPasswordHash("secret");
    std::string second = aspPasswordHash("secret");
    EXPECT_NE(first, second) << "the salt must differ";
    EXPECT_EQ(first.substr(0, 13), "sha256$10000$");
    EXPECT_EQ(first.size(), std::string("sha256$10000$").size() + 32 + 1 + 64);
}

TEST(PollTemplatePasswordHash, EmptyPasswordGivesAHashNothingMatches) {
    StringDictionary values;
    values.set("password", "");
    setPasswordHashes(values);
    EXPECT_EQ(values.value(kPhpPasswordHashKey), "*");
    EXPECT_EQ(values.value(kAspPasswordHashKey), "*");
    values.set("password", "x");
    setPasswordHashes(values);
    EXPECT_EQ(values.value(kPhpPasswordHashKey).substr(0, 3), "$6$");
    EXPECT_EQ(values.value(kAspPasswordHashKey).substr(0, 7), "sha256$");
}

TEST(PollTemplatePasswordHash, PhpPasswordVerifyAcceptsTheHash) {
    std::string php = findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed";
    const std::string password = "Tr\xC3\xA8s s\xC3\xBBr \"quoted\" $x \\ 42";
    std::string hash = phpPasswordHash(password);
    EXPECT_EQ(hash.substr(0, 17), "$6$rounds=100000$");
    EXPECT_NE(phpPasswordHash(password), hash) << "the salt must differ";
    const char* verify = "exit(password_verify($argv[1], $argv[2]) ? 0 : 1);";
    EXPECT_EQ(runProcess({php, "-r", verify, "--", password, hash}).exitCode, 0);
    EXPECT_EQ(runProcess({php, "-r", verify, "--", password + " ", hash}).exitCode, 1);
    EXPECT_EQ(runProcess({php, "-r", verify, "--", "", "*"}).exitCode, 1);

    // PHP works out the ASP hash the same way, as the ASP page does with .NET's SHA-256.
    const char* asp =
        "[$a, $n, $salt, $want] = explode('$', $argv[2]); $d = hash('sha256', $salt . $argv[1]);"
        "for ($i = 1; $i < (int) $n; ++$i) { $d = hash('sha256', $d . $salt . $argv[1]); }"
        "exit(hash_equals($want, $d) ? 0 : 1);";
    EXPECT_EQ(runProcess({php, "-r", asp, "--", password, aspPasswordHash(password)}).exitCode, 0);
    EXPECT_EQ(runProcess({php, "-r", asp, "--", "other", aspPasswordHash(password)}).exitCode, 1);
}

}  // namespace
}  // namespace norvel::common
