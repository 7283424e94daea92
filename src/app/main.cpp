// Kolvar: the composition root. The command line is not read.
#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers are formatted and read by our own routines; keep the C library neutral.
    std::setlocale(LC_NUMERIC, "C");
    // The program speaks German whatever the desktop's language, and so should
    // the texts Qt's own dialogs bring along (file dialogs, overwrite prompts).
    QTranslator qtTexte;
    if (qtTexte.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    kolvar::Programm programm;
    programm.starten();
    return programm.ausfuehren();
}
