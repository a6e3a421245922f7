#pragma once

#include "config/settings.h"

#include <QMainWindow>

// The program's main window, frmFichoramaDocsOffice.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const StartupValues &startup, QWidget *parent = nullptr);

    // "Fichorama 1.1a", then " - " computer, "; " user, "; " system version, each only when not empty.
    static QString caption(const StartupValues &startup);
};
