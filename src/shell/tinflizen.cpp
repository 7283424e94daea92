#include "shell/tinflizen.h"

#include "shell/screenplacement.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tinflizen* inflizen = nullptr;

QString Tinflizen::infotext()
{
    return QStringLiteral(
        "Kolvar\n"
        "Formelsammlung mit Rechnern\n"
        "\n"
        "Kolvar verbindet eine Sammlung von Formeln aus Physik, Technik und "
        "Mathematik mit Rechnern, die mit diesen Formeln arbeiten: dem "
        "Kolvarfenster, dem Rechnenfenster, der Tabellenkalkulation, den "
        "Tabellenwerten und den Umrechnungen.\n"
        "\n"
        "Alle Rechner verwenden dieselbe Formelsprache mit Dezimalkomma. "
        "Eigene Variablen und Funktionen legen Sie als Projektkolvarn an; sie "
        "stehen dann in jedem Fenster zur Verfügung.\n"
        "\n"
        "Ein Projekt (*.pro) speichert die offenen Fenster, die Projektkolvarn "
        "und das Zahlenformat. Das Projekt \"Standard.pro\" im Programmverzeichnis "
        "wird bei jedem Start geladen; beim Beenden wird nichts automatisch "
        "gespeichert.\n"
        "\n"
        "Ergebnisse können als HTML-Seiten im Verzeichnis \"ausgabe\" "
        "gesammelt werden.\n"
        "\n"
        "Die Hilfe (Taste F1) beschreibt alle Fenster und die Formelsprache.\n"
        "\n"
        "Kolvar wird ohne jede Gewähr für die Richtigkeit der Formeln und "
        "Ergebnisse geliefert; prüfen Sie wichtige Ergebnisse stets nach.");
}

Tinflizen::Tinflizen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("inflizen"));
    setWindowTitle(QStringLiteral("Info"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);

    Memo3 = new QPlainTextEdit(Panel1);
    Memo3->setObjectName(QStringLiteral("Memo3"));
    Memo3->setReadOnly(true);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo3->setPlainText(infotext());

    BitBtn1 = new QPushButton(QStringLiteral("OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->addWidget(Memo3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addStretch();
    panelLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Panel1);
    setFixedSize(420, 340);
    kolvar::placeAtScreenCentre(*this);
}
