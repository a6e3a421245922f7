#include "ui/main_window.h"

MainWindow::MainWindow(const StartupValues &startup, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmFichoramaDocsOffice"));
    setWindowTitle(caption(startup));
    resize(667, 293);
}

QString MainWindow::caption(const StartupValues &startup)
{
    QString text = QStringLiteral("Fichorama " FICHORAMA_VERSION_TEXT);
    if (!startup.computerName.isEmpty()) text += QStringLiteral(" - ") + startup.computerName;
    if (!startup.userName.isEmpty()) text += QStringLiteral("; ") + startup.userName;
    if (!startup.systemVersion.isEmpty()) text += QStringLiteral("; ") + startup.systemVersion;
    return text;
}
