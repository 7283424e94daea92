#include "tools/tsummedlg.h"

#include "tools/tabellenraster.h"
#include "tools/tabellenrechnung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tsummedlg* summedlg = nullptr;

namespace {

QLineEdit* feld(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(70);
    return e;
}

} // namespace

Tsummedlg::Tsummedlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("summedlg"));
    setWindowTitle(QStringLiteral("Datenbereich"));
    // Stays above the sheets while the user looks for the range.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    Label1 = new QLabel(QStringLiteral("Markierter Datenbereich:"), this);
    daten1 = feld(this, "daten1");
    Label2 = new QLabel(QStringLiteral(":"), this);
    daten3 = feld(this, "daten3");
    Label3 = new QLabel(QStringLiteral("Kolvar ablegen:"), this);
    Edit1 = feld(this, "Edit1");
    BitBtn1 = new QPushButton(QStringLiteral("Einfügen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Schließen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* raster = new QGridLayout;
    raster->addWidget(Label1, 0, 0, 1, 3);
    raster->addWidget(daten1, 1, 0);
    raster->addWidget(Label2, 1, 1);
    raster->addWidget(daten3, 1, 2);
    raster->addWidget(Label3, 2, 0, 1, 3);
    raster->addWidget(Edit1, 3, 0);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(CancelBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addLayout(knoepfe);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void Tsummedlg::bereich_anzeigen(const Rasterbereich& bereich)
{
    daten1->setText(kolvar::Tabellenrechnung::zellname(bereich.Left, bereich.Top));
    daten3->setText(kolvar::Tabellenrechnung::zellname(bereich.Right, bereich.Bottom));
}

void Tsummedlg::ziel_anzeigen(int spalte, int zeile)
{
    Edit1->setText(kolvar::Tabellenrechnung::zellname(spalte, zeile));
}
