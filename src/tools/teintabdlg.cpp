#include "tools/teintabdlg.h"

#include "shell/screenplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Teintabdlg* eintabdlg = nullptr;

Teintabdlg::Teintabdlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("eintabdlg"));
    setWindowTitle(QStringLiteral("Neue Umrechnungstabelle"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    auto feld = [this](QLabel*& label, QLineEdit*& edit, const QString& text, int nummer) {
        label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("Label%1").arg(nummer));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(nummer));
        label->setBuddy(edit);
    };
    feld(Label1, Edit1, QStringLiteral("Namen der Größe"), 1);
    feld(Label2, Edit2, QStringLiteral("Dateiname für die Tabelle"), 2);
    feld(Label3, Edit3, QStringLiteral("Variablenname "), 3);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* felder = new QVBoxLayout;
    for (auto [label, edit] : {std::pair{Label1, Edit1}, {Label2, Edit2}, {Label3, Edit3}}) {
        felder->addWidget(label);
        felder->addWidget(edit);
    }
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addStretch();
    layout->addLayout(knoepfe);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(320, 210);
}

void Teintabdlg::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}
