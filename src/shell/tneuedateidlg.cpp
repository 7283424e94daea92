#include "shell/tneuedateidlg.h"

#include "platform/seams.h"
#include "shell/screenplacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Tneuedateidlg* neuedateidlg = nullptr;

Tneuedateidlg::Tneuedateidlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("neuedateidlg"));
    setWindowTitle(QStringLiteral("Neue HTML-Datei"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    Label1 = new QLabel(QStringLiteral("Ausgabeverzeichnis"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit5 = new QLineEdit(QStringLiteral("ausgabe"), this);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Verzeichnis wählen"));
    Label2 = new QLabel(QStringLiteral("Dateiname"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Label3 = new QLabel(QStringLiteral("Überschrift"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label4 = new QLabel(QStringLiteral("Text"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Label1->setBuddy(Edit5);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit1);
    Label4->setBuddy(Memo1);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* verzeichnis = new QHBoxLayout;
    verzeichnis->addWidget(Edit5, 1);
    verzeichnis->addWidget(SpeedButton1);

    auto* felder = new QVBoxLayout;
    felder->addWidget(Label1);
    felder->addLayout(verzeichnis);
    felder->addWidget(Label2);
    felder->addWidget(Edit2);
    felder->addWidget(Label3);
    felder->addWidget(Edit1);
    felder->addWidget(Label4);
    felder->addWidget(Memo1, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder, 1);
    layout->addLayout(knoepfe);

    connect(SpeedButton1, &QToolButton::clicked, this, &Tneuedateidlg::SpeedButton1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(440, 360);
}

void Tneuedateidlg::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}

void Tneuedateidlg::SpeedButton1Click()
{
    const QString ordner =
        kolvar::getFolderName(this, QStringLiteral("Gewähltes Verzeichnis"), Edit5->text());
    if (!ordner.isEmpty())
        Edit5->setText(ordner);
}
