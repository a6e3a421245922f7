#pragma once

#include "platform/child_path.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

// Escapes a text read from a document or the file system for an HTML page: "&", "<", ">" and "\"" become
// entity references; nothing else changes.
QString escapeHtml(const QString &text);

// Makes a link target or image reference safe: "%", "#" and "?" are percent-encoded so that the path is
// not cut into a fragment or a query, then the result is HTML-escaped.
QString escapeLink(const QString &target);

// The "CouleurTitre" value as six upper-case hex digits RRGGBB; the value holds red in its low byte.
QString titleColourText(qint32 colour);

// The page file's bytes: every line ended with CR LF, in Windows-1252 with numeric references for the
// characters it cannot hold.
QByteArray encodePage(const QStringList &lines);
