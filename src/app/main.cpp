// Kolvar: the composition root. The command line is not read.
#include "app/startup.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers are formatted and read by our own routines; keep the C library neutral.
    std::setlocale(LC_NUMERIC, "C");
    kolvar::Programm programm;
    programm.starten();
    return programm.ausfuehren();
}
