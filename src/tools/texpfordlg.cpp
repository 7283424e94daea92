#include "tools/texpfordlg.h"

#include "engine/durchgaenge.h"
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <string>
#include <vector>

Texpfordlg* expfordlg = nullptr;

namespace {

void fuelle(QListWidget* liste, const Tfktbaum* definitionen)
{
    liste->clear();
    if (!definitionen)
        return;
    for (int i = 0; i < definitionen->count(); ++i)
        liste->addItem(QString::fromStdString(definitionen->entry(i)->definition));
}

} // namespace

Texpfordlg::Texpfordlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("expfordlg"));
    setWindowTitle(QStringLiteral("Kolvarn aus der Tabelle in Projektkolvarn"));
    resize(520, 340);

    Label1 = new QLabel(QStringLiteral("Kolvarn aus der Tabelle"), this);
    listbox2 = new QListWidget(this);
    listbox2->setObjectName(QStringLiteral("listbox2"));
    listbox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label2 = new QLabel(QStringLiteral("Projektkolvarn "), this);
    zeigekolvar = new QListWidget(this);
    zeigekolvar->setObjectName(QStringLiteral("zeigekolvar"));
    ExcludeBtn = new QPushButton(QStringLiteral(">"), this);
    ExcludeBtn->setObjectName(QStringLiteral("ExcludeBtn"));
    ExAllBtn = new QPushButton(QStringLiteral(">>"), this);
    ExAllBtn->setObjectName(QStringLiteral("ExAllBtn"));
    BitBtn1 = new QPushButton(QStringLiteral("Schließen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    for (QPushButton* b : {ExcludeBtn, ExAllBtn})
        b->setFixedWidth(40);

    auto* raster = new QGridLayout(this);
    raster->addWidget(Label1, 0, 0);
    raster->addWidget(Label2, 0, 2);
    raster->addWidget(listbox2, 1, 0, 3, 1);
    raster->addWidget(ExcludeBtn, 1, 1, Qt::AlignBottom);
    raster->addWidget(ExAllBtn, 2, 1, Qt::AlignTop);
    raster->addWidget(zeigekolvar, 1, 2, 3, 1);
    raster->addWidget(BitBtn1, 4, 2, Qt::AlignRight);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(2, 1);

    connect(ExcludeBtn, &QPushButton::clicked, this, &Texpfordlg::ExcludeBtnClick);
    connect(ExAllBtn, &QPushButton::clicked, this, &Texpfordlg::ExAllBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void Texpfordlg::showEvent(QShowEvent* event)
{
    fuelle_listen();
    QDialog::showEvent(event);
}

void Texpfordlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fuelle_listen();
    QDialog::changeEvent(event);
}

void Texpfordlg::fuelle_listen()
{
    fuelle(listbox2, tabellenliste);
    fuelle(zeigekolvar, projektliste);
}

void Texpfordlg::uebernehmen(const std::vector<int>& zeilen)
{
    if (!projektliste)
        return;
    // From the last line to the first, as the sheet's list holds them in the
    // order of their first definition; a line that uses a later one is
    // defined in a further pass.
    std::vector<std::string> texte;
    for (auto it = zeilen.rbegin(); it != zeilen.rend(); ++it)
        texte.push_back(listbox2->item(*it)->text().toStdString());
    for (std::size_t i : kolvar::definiere_in_durchgaengen(*projektliste, texte))
        kolvar::showMessage(QStringLiteral("Fehlerhafter Ausdruck in Zeile %1: %2")
                                .arg(zeilen[zeilen.size() - 1 - i] + 1)
                                .arg(QString::fromStdString(texte[i])));
    fuelle_listen();
}

void Texpfordlg::ExcludeBtnClick()
{
    std::vector<int> zeilen;
    for (int i = 0; i < listbox2->count(); ++i)
        if (listbox2->item(i)->isSelected())
            zeilen.push_back(i);
    uebernehmen(zeilen);
}

void Texpfordlg::ExAllBtnClick()
{
    std::vector<int> zeilen;
    for (int i = 0; i < listbox2->count(); ++i)
        zeilen.push_back(i);
    uebernehmen(zeilen);
}
