#pragma once

#include "platform/read_status.h"
#include "support/zip_writer.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// A package made to break a reader, with what a sound reader gives for it.
struct HostilePackage
{
    const char *name;
    QByteArray bytes;
    ReadStatus status;
    std::optional<QString> title; // of the core part; the extended part, when sound, names "Sound"
};

// The members of a small Office Open XML package: root relationships, `core`, and an extended
// properties part whose application is "Sound".
std::vector<ZipMemberLayout> ooxmlMembers(const ZipMemberLayout &core);
// A core properties part holding `title` (raw XML), after `prolog` (a DOCTYPE, say).
QByteArray corePart(const QByteArray &title, const QByteArray &prolog = {});

// Truncated and lying archives, bombs, 60,000 members, entity expansion, external entities (the one
// that names `secretPath` must never be read), deep nesting, invalid UTF-8, targets outside the package.
std::vector<HostilePackage> hostilePackages(const QString &secretPath);
