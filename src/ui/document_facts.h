#pragma once

#include <QList>
#include <QString>

// One line of a document's properties: a caption and its value, both as shown.
struct DocumentFact
{
    QString caption;
    QString value;
};

// What the properties dialog shows of a file: its name, folder, size and modification date (the last two
// only when the file exists), then every summary property the file holds, in the order of the property
// columns, with the columns' captions. Texts in `language` (1 French, else English).
QList<DocumentFact> documentFacts(const QString &path, qint16 language);

// The title of the properties dialog of a file named `name`.
QString documentFactsTitle(const QString &name, qint16 language);
