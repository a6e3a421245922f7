#pragma once

#include "platform/child_path.h"

#include <QString>

// Escapes a text read from a document or the file system for an HTML page: "&", "<", ">" and "\"" become
// entity references; nothing else changes.
QString escapeHtml(const QString &text);

// A link target or image reference with "%", "#" and "?" percent-encoded, so that the path is not cut
// into a fragment or a query; still to be HTML-escaped.
QString linkTarget(const QString &target);
// linkTarget, then HTML-escaped: ready for an attribute.
QString escapeLink(const QString &target);

// The "CouleurTitre" value as six upper-case hex digits RRGGBB; the value holds red in its low byte.
QString titleColourText(qint32 colour);
