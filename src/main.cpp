#include "platform/system_names.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Fichorama"));
    MainWindow window(readStartupValues());
    window.show();
    return app.exec();
}
