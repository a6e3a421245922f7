#pragma once

#include <QByteArray>
#include <optional>

// What the encryption dictionary of a PDF file encrypted with AES-256 (security handler revisions 5 and 6)
// holds for the recovery of its file key: the /U, /UE, /O, /OE and /Perms strings, as stored.
struct PdfAes256KeyData
{
    int revision = 6;
    QByteArray user;     // /U: 32 bytes of hash, 8 of validation salt, 8 of key salt
    QByteArray userKey;  // /UE: the file key encrypted with the user password's key
    QByteArray owner;    // /O, as /U
    QByteArray ownerKey; // /OE
    QByteArray perms;    // /Perms: the permissions and "adb", encrypted with the file key
};

// The 32-byte file key that `password` opens, as the user password, else as the owner password; nothing
// when it is neither (or the strings are too short). The hash of revision 6 is deliberately slow, so the key
// that the password makes is tried first, and checked by the "adb" that /Perms decrypts to; only when that
// fails is the password checked against its own hash, as when /Perms is damaged.
std::optional<QByteArray> recoverPdfAes256Key(const QByteArray &password, const PdfAes256KeyData &data);
