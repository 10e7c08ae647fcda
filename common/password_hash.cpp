#include "common/password_hash.h"

#include <crypt.h>
#include <sys/random.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {

namespace {

constexpr std::array<uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

uint32_t rotateRight(uint32_t value, int bits) {
    return (value >> bits) | (value << (32 - bits));
}

void compressBlock(std::array<uint32_t, 8>& state, const uint8_t* block) {
    std::array<uint32_t, 64> w{};
    for (int i = 0; i < 16; ++i)
        w[i] = (uint32_t{block[4 * i]} << 24) | (uint32_t{block[4 * i + 1]} << 16) |
               (uint32_t{block[4 * i + 2]} << 8) | uint32_t{block[4 * i + 3]};
    for (int i = 16; i < 64; ++i) {
        uint32_t s0 = rotateRight(w[i - 15], 7) ^ rotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
        uint32_t s1 = rotateRight(w[i - 2], 17) ^ rotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, h] = state;
    for (int i = 0; i < 64; ++i) {
        uint32_t s1 = rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25);
        uint32_t choice = (e & f) ^ (~e & g);
        uint32_t t1 = h + s1 + choice + kRoundConstants[i] + w[i];
        uint32_t s0 = rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22);
        uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        uint32_t t2 = s0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    std::array<uint32_t, 8> added = {a, b, c, d, e, f, g, h};
    for (int i = 0; i < 8; ++i)
        state[i] += added[i];
}

std::string toHex(const uint8_t* bytes, size_t count) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    hex.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        hex.push_back(digits[bytes[i] >> 4]);
        hex.push_back(digits[bytes[i] & 0x0f]);
    }
    return hex;
}

std::string randomSaltHex() {
    std::array<uint8_t, 16> salt{};
    size_t filled = 0;
    while (filled < salt.size()) {
        ssize_t got = ::getrandom(salt.data() + filled, salt.size() - filled, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw Error(
                errnum::kInternal, libraryName(),
                std::string("No random bytes for a password salt: ") + std::strerror(errno));
        }
        filled += static_cast<size_t>(got);
    }
    return toHex(salt.data(), salt.size());
}

}  // namespace

std::string sha256Hex(std::string_view bytes) {
    std::array<uint32_t, 8> state = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                     0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    size_t whole = bytes.size() / 64 * 64;
    for (size_t offset = 0; offset < whole; offset += 64)
        compressBlock(state, data + offset);

    // The last part, the 0x80 marker and the length in bits fill one or two more blocks.
    std::array<uint8_t, 128> tail{};
    size_t rest = bytes.size() - whole;
    std::memcpy(tail.data(), data + whole, rest);
    tail[rest] = 0x80;
    size_t tailSize = rest + 1 + 8 <= 64 ? 64 : 128;
    uint64_t bitLength = static_cast<uint64_t>(bytes.size()) * 8;
    for (int i = 0; i < 8; ++i)
        tail[tailSize - 1 - i] = static_cast<uint8_t>(bitLength >> (8 * i));
    for (size_t offset = 0; offset < tailSize; offset += 64)
        compressBlock(state, tail.data() + offset);

    std::array<uint8_t, 32> digest{};
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j)
            digest[4 * i + j] = static_cast<uint8_t>(state[i] >> (24 - 8 * j));
    return toHex(digest.data(), digest.size());
}

std::string phpPasswordHash(std::string_view password) {
    if (password.find('\0') != std::string_view::npos)
        throw Error(errnum::kInvalidCall, libraryName(),
                    "A password cannot contain a NUL character");
    char setting[CRYPT_GENSALT_OUTPUT_SIZE];
    if (::crypt_gensalt_rn("$6$", 100000, nullptr, 0, setting, sizeof setting) == nullptr)
        throw Error(errnum::kInternal, libraryName(),
                    std::string("libcrypt made no SHA-512 salt: ") + std::strerror(errno));
    auto data = std::make_unique<crypt_data>();
    std::string phrase(password);
    const char* hash = ::crypt_rn(phrase.c_str(), setting, data.get(), sizeof(crypt_data));
    if (hash == nullptr || hash[0] != '$')
        throw Error(errnum::kInternal, libraryName(), "libcrypt refused to hash the password");
    return hash;
}

std::string aspPasswordHash(std::string_view password, std::string_view saltHex, int iterations) {
    if (iterations < 1)
        throw Error(errnum::kInvalidCall, libraryName(),
                    "A password hash needs at least 1 iteration");
    std::string salted = std::string(saltHex) + std::string(password);
    std::string digest = sha256Hex(salted);
    for (int i = 1; i < iterations; ++i)
        digest = sha256Hex(digest + salted);
    return "sha256$" + std::to_string(iterations) + "$" + std::string(saltHex) + "$" + digest;
}

std::string aspPasswordHash(std::string_view password) {
    return aspPasswordHash(password, randomSaltHex(), kAspHashIterations);
}

void setPasswordHashes(StringDictionary& formValues) {
    std::string password = formValues.value(kPasswordKey);
    if (password.empty()) {
        formValues.set(kPhpPasswordHashKey, kNoPasswordHash);
        formValues.set(kAspPasswordHashKey, kNoPasswordHash);
        return;
    }
    formValues.set(kPhpPasswordHashKey, phpPasswordHash(password));
    formValues.set(kAspPasswordHashKey, aspPasswordHash(password));
}

}  // namespace norvel::common
