// Kolvar: the composition root. Creates the application and its windows.
#include <QApplication>
#include <QMainWindow>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers are formatted and read by our own routines; keep the C library neutral.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kolvar"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kolvar"));
    window.resize(640, 420);
    window.show();
    return app.exec();
}
