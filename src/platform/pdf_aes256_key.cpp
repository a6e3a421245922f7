#include "platform/pdf_aes256_key.h"

#include <gnutls/crypto.h>
#include <numeric>

namespace {

constexpr qsizetype kHashBytes = 32;
constexpr qsizetype kSaltBytes = 8;
constexpr qsizetype kUserBytes = 48; // hash, validation salt, key salt

QByteArray digest(gnutls_digest_algorithm_t algorithm, const QByteArray &bytes)
{
    QByteArray out(qsizetype(gnutls_hash_get_len(algorithm)), Qt::Uninitialized);
    if (gnutls_hash_fast(algorithm, bytes.constData(), size_t(bytes.size()), out.data()) != 0)
        return {};
    return out;
}

// CBC without padding over `bytes` (a multiple of 16 bytes long); empty on failure.
QByteArray cbc(gnutls_cipher_algorithm_t algorithm, bool encrypt, QByteArray key, QByteArray iv,
               const QByteArray &bytes)
{
    gnutls_datum_t keyDatum{reinterpret_cast<unsigned char *>(key.data()), unsigned(key.size())};
    gnutls_datum_t ivDatum{reinterpret_cast<unsigned char *>(iv.data()), unsigned(iv.size())};
    gnutls_cipher_hd_t handle = nullptr;
    if (gnutls_cipher_init(&handle, algorithm, &keyDatum, &ivDatum) != 0)
        return {};
    QByteArray out(bytes.size(), Qt::Uninitialized);
    const int result = encrypt ? gnutls_cipher_encrypt2(handle, bytes.constData(), size_t(bytes.size()),
                                                        out.data(), size_t(out.size()))
                               : gnutls_cipher_decrypt2(handle, bytes.constData(), size_t(bytes.size()),
                                                        out.data(), size_t(out.size()));
    gnutls_cipher_deinit(handle);
    return result == 0 ? out : QByteArray();
}

// The password hash: SHA-256 of password, salt and user data for revision 5; for revision 6, at least 64
// rounds in which the password, the hash so far and the user data, 64 times over, are encrypted with
// AES-128 keyed by that hash, and the result hashed with SHA-256, -384 or -512 as its first 16 bytes say.
QByteArray passwordHash(int revision, const QByteArray &password, const QByteArray &salt,
                        const QByteArray &userData)
{
    QByteArray hash = digest(GNUTLS_DIG_SHA256, password + salt + userData);
    if (revision < 6 || hash.isEmpty())
        return hash;
    QByteArray encrypted;
    for (int round = 0; round < 64 || quint8(encrypted.back()) > round - 32; ++round) {
        const QByteArray block = (password + hash + userData).repeated(64);
        encrypted = cbc(GNUTLS_CIPHER_AES_128_CBC, true, hash.first(16), hash.sliced(16, 16), block);
        if (encrypted.isEmpty())
            return {};
        // The first 16 bytes taken as one big number, modulo 3: as 256 is 1 modulo 3, their sum modulo 3.
        const int sum = std::accumulate(encrypted.cbegin(), encrypted.cbegin() + 16, 0,
                                        [](int total, char byte) { return total + quint8(byte); });
        static constexpr gnutls_digest_algorithm_t kNext[] = {GNUTLS_DIG_SHA256, GNUTLS_DIG_SHA384,
                                                              GNUTLS_DIG_SHA512};
        hash = digest(kNext[sum % 3], encrypted);
        if (hash.isEmpty())
            return {};
    }
    return hash.first(kHashBytes);
}

// True when `perms` decrypts with `fileKey` to a block whose bytes 9 to 11 are "adb" (one block: ECB).
bool opensPerms(const QByteArray &fileKey, const QByteArray &perms)
{
    if (perms.size() < 16)
        return false;
    const QByteArray block =
        cbc(GNUTLS_CIPHER_AES_256_CBC, false, fileKey, QByteArray(16, '\0'), perms.first(16));
    return block.size() == 16 && block.sliced(9, 3) == "adb";
}

std::optional<QByteArray> keyFor(const PdfAes256KeyData &data, const QByteArray &password,
                                 const QByteArray &entry, const QByteArray &encryptedKey,
                                 const QByteArray &userData)
{
    if (entry.size() < kUserBytes || encryptedKey.size() < kHashBytes)
        return std::nullopt;
    const QByteArray key =
        passwordHash(data.revision, password, entry.sliced(kHashBytes + kSaltBytes, kSaltBytes), userData);
    if (key.isEmpty())
        return std::nullopt;
    const QByteArray fileKey =
        cbc(GNUTLS_CIPHER_AES_256_CBC, false, key, QByteArray(16, '\0'), encryptedKey.first(kHashBytes));
    if (fileKey.size() != kHashBytes)
        return std::nullopt;
    if (opensPerms(fileKey, data.perms))
        return fileKey;
    const QByteArray check =
        passwordHash(data.revision, password, entry.sliced(kHashBytes, kSaltBytes), userData);
    if (check.isEmpty() || check != entry.first(kHashBytes))
        return std::nullopt;
    return fileKey;
}

} // namespace

std::optional<QByteArray> recoverPdfAes256Key(const QByteArray &password, const PdfAes256KeyData &data)
{
    // A password counts for its first 127 bytes.
    const QByteArray used = password.left(127);
    if (auto key = keyFor(data, used, data.user, data.userKey, {}))
        return key;
    if (data.user.size() < kUserBytes)
        return std::nullopt;
    return keyFor(data, used, data.owner, data.ownerKey, data.user.first(kUserBytes));
}
