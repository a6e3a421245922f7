#pragma once

#include <QDialog>

class Shell;

// frmAbout: what the program is, a credit line and two links opened through the desktop.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(qint16 language, Shell &shell, QWidget *parent = nullptr);

    // Shows the dialog modally until OK or the close box.
    static void showModal(QWidget *parent, qint16 language, Shell &shell);
};
