#include "collection/tform5.h"

#include "controls/tspineditin.h"
#include "shell/screenplacement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Datensätze ausfüllen"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    auto label = [this](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Label1 = label(QStringLiteral("Feld:"), "Label1");
    Label2 = label(QString(), "Label2");
    QFont fett = Label2->font();
    fett.setBold(true);
    Label2->setFont(fett);
    Label3 = label(QStringLiteral("Daten :"), "Label3");
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label3->setBuddy(Edit1);
    Label4 = label(QStringLiteral("Anzahl der Datensätze:"), "Label4");
    spineditin1 = new Tspineditin(this);
    spineditin1->setObjectName(QStringLiteral("spineditin1"));
    spineditin1->setValue(1);
    Label4->setBuddy(spineditin1);

    RadioGroup1 = new QGroupBox(QStringLiteral("Datensätze ausfüllen"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    nachUnten = new QRadioButton(QStringLiteral("nach unten"), RadioGroup1);
    nachUnten->setObjectName(QStringLiteral("nachUnten"));
    nachOben = new QRadioButton(QStringLiteral("nach oben"), RadioGroup1);
    nachOben->setObjectName(QStringLiteral("nachOben"));
    nachUnten->setChecked(true);
    auto* gruppe = new QVBoxLayout(RadioGroup1);
    gruppe->addWidget(nachUnten);
    gruppe->addWidget(nachOben);

    auto knopf = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    OKBtn = knopf(QStringLiteral("OK"), "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = knopf(QStringLiteral("Abbrechen"), "CancelBtn");
    HelpBtn = knopf(QStringLiteral("&Hilfe"), "HelpBtn");
    // There is no help page for this dialog; the button says so by being off.
    HelpBtn->setEnabled(false);

    auto* felder = new QGridLayout;
    felder->addWidget(Label1, 0, 0);
    felder->addWidget(Label2, 0, 1);
    felder->addWidget(Label3, 1, 0);
    felder->addWidget(Edit1, 1, 1);
    felder->addWidget(Label4, 2, 0);
    felder->addWidget(spineditin1, 2, 1);
    felder->setColumnStretch(1, 1);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    knoepfe->addWidget(HelpBtn);
    knoepfe->addStretch();
    auto* links = new QVBoxLayout;
    links->addLayout(felder);
    links->addWidget(RadioGroup1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(knoepfe);

    connect(OKBtn, &QPushButton::clicked, this, [this] { done(1); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(2); });

    setFixedSize(400, 190);
}

int TForm5::ItemIndex() const
{
    return nachOben->isChecked() ? 1 : 0;
}

void TForm5::setItemIndex(int index)
{
    (index == 1 ? nachOben : nachUnten)->setChecked(true);
}

void TForm5::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}
