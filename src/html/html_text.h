#pragma once

#include "platform/child_path.h"

#include <QString>

// Escapes a text read from a document or the file system for an HTML page: "&", "<", ">" and "\"" become
// entity references; nothing else changes.
QString escapeHtml(const QString &text);

// Makes a link target or image reference (a path or file URL in native form, see native_name.h) safe, so
// that a browser resolves it to exactly that file, then HTML-escapes it. Percent-encoded, from the
// target's bytes (UTF-8, or the raw byte of a name that is not UTF-8): "%", "#" and "?", which would
// start an escape, a fragment or a query; "\", which URL parsers read as "/"; "|", which they read as
// ":" after a drive letter; control characters (tab, CR and LF are dropped, C1 controls turned into other
// characters); blanks at either end, which are stripped; and every raw byte. Everything else is kept.
QString escapeLink(const QString &target);

// A link to a file beside the page, by its native-form name: escapeLink of the name, behind "./" when it
// holds a colon, so that a name such as "javascript:x" or "http:y" stays a file name, not an address.
QString linkToName(const QString &name);

// The "CouleurTitre" value as six upper-case hex digits RRGGBB; the value holds red in its low byte.
QString titleColourText(qint32 colour);
