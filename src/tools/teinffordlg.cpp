#include "tools/teinffordlg.h"

#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/formbau.h"
#include "shell/tdialogkolvar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Teinffordlg* einffordlg = nullptr;

Teinffordlg::Teinffordlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("einffordlg"));
    setWindowTitle(QStringLiteral("Kolvar auswählen"));
    resize(420, 320);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setMaxLength(255);
    kolvar::hinweis(Edit1, QStringLiteral("Geben Sie einen mathm. Ausdruck ein"));
    zeigekolvar = new QListWidget(this);
    zeigekolvar->setObjectName(QStringLiteral("zeigekolvar"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn4 = new QPushButton(QStringLiteral("Projektkolvarn bearbeiten"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn2 = new QPushButton(QStringLiteral("Schließen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BitBtn4);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtn1);
    knoepfe->addWidget(BitBtn2);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(Edit1);
    aussen->addWidget(zeigekolvar, 1);
    aussen->addLayout(knoepfe);

    connect(zeigekolvar, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { zeigekolvarClick(zeigekolvar->row(item)); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn4, &QPushButton::clicked, this, &Teinffordlg::BitBtn4Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Teinffordlg::showEvent(QShowEvent* event)
{
    fuelle_liste();
    QDialog::showEvent(event);
}

void Teinffordlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fuelle_liste();
    QDialog::changeEvent(event);
}

void Teinffordlg::fuelle_liste()
{
    zeigekolvar->clear();
    if (!projektliste)
        return;
    for (int i = 0; i < projektliste->count(); ++i)
        zeigekolvar->addItem(QString::fromStdString(projektliste->entry(i)->definition));
}

void Teinffordlg::zeigekolvarClick(int zeile)
{
    if (QListWidgetItem* item = zeigekolvar->item(zeile))
        Edit1->setText(item->text());
}

void Teinffordlg::BitBtn4Click()
{
    if (dialogkolvar)
        kolvar::runDialog(*dialogkolvar);
    fuelle_liste();
}
