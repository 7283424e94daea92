#include "tools/ttaboptiondlg.h"

#include "controls/tspineditin.h"
#include "tools/tabellenmodell.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

Tspineditin* anzahl(QWidget* parent, const char* name, int hoechstens)
{
    auto* s = new Tspineditin(parent);
    s->setObjectName(QLatin1String(name));
    s->setMinValue(kolvar::Tabellenmodell::kMinGroesse);
    s->setMaxValue(hoechstens);
    return s;
}

} // namespace

TTabOptiondlg::TTabOptiondlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TabOptiondlg"));
    setWindowTitle(QStringLiteral("Optionen"));

    Notebook1 = new QTabWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    auto* seite = new QWidget;
    Notebook1->addTab(seite, QStringLiteral("Vorgabe"));
    Label1 = new QLabel(QStringLiteral("Anzahl der Zeilen"), seite);
    spineditin1 = anzahl(seite, "spineditin1", kolvar::Tabellenmodell::kMaxZeilen);
    Label2 = new QLabel(QStringLiteral("Anzahl der Spalten"), seite);
    spineditin2 = anzahl(seite, "spineditin2", kolvar::Tabellenmodell::kMaxSpalten);
    CheckBox1 = new QCheckBox(QStringLiteral("Linien horizontal"), seite);
    CheckBox2 = new QCheckBox(QStringLiteral("Linien vertikal"), seite);
    CheckBox1->hide();
    CheckBox2->hide();
    auto* felder = new QFormLayout(seite);
    felder->addRow(Label1, spineditin1);
    felder->addRow(Label2, spineditin2);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(Notebook1);
    aussen->addLayout(knoepfe);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TTabOptiondlg::zeilen() const
{
    return spineditin1->CheckValue(spineditin1->Value());
}

int TTabOptiondlg::spalten() const
{
    return spineditin2->CheckValue(spineditin2->Value());
}
