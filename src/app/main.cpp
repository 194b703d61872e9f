#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvan"));
    QApplication::setOrganizationName(QStringLiteral("Kelvan"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kelvan"));
    window.resize(900, 600);
    window.show();
    return app.exec();
}
