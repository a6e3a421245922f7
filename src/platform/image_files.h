#pragma once

#include <QSize>
#include <QStringList>

// The image files the browse dialog offers in `directory`: names matching "*.gif", "*.jpg" or "*.jpeg"
// in any letter case, files only, hidden ones left out, sorted by name without regard to case.
QStringList listImageFiles(const QString &directory);

// True when `path` is a file holding at least one byte.
bool isNonEmptyFile(const QString &path);

// The size a picture of `natural` size is shown at in a square box of side `box`: its own size when both
// sides fit, otherwise scaled so that its longer side fills the box, keeping the proportions (the shorter
// side rounded to the nearest unit, at least 1).
QSize fitPreview(QSize natural, int box);
