#pragma once

#include <QDialog>

// Our own read-only properties window of a document, shown when no file manager answers: the file's
// name, folder, size and modification date and every summary property it holds.
class PropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    PropertiesDialog(const QString &path, qint16 language, QWidget *parent = nullptr);

    // Shows the dialog of `path` over `owner` (which may be null) without waiting; it deletes itself
    // when closed. Fits DesktopShell's properties fallback.
    static void showFor(const QString &path, QWidget *owner, qint16 language);
};
