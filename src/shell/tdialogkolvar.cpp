#include "shell/tdialogkolvar.h"

#include "engine/durchgaenge.h"
#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/dateizeigen.h"
#include "shell/screenplacement.h"
#include "shell/tzahlenform.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>
#include <utility>
#include <vector>

Tdialogkolvar* dialogkolvar = nullptr;

namespace {

const QString kFehlerhafterAusdruck = QStringLiteral("Fehlerhafter Ausdruck");

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QListWidget* liste(const QString& name, QWidget* parent)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

QStringList Tdialogkolvar::tastenfeld()
{
    return {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
            "+", "-", "^", "*", "/", "=", "E", ",", "(", ")"};
}

QStringList Tdialogkolvar::funktionen()
{
    return {"SIN", "COS", "TAN", "ARCSIN", "ARCCOS", "ARCTAN", "LG", "LN",
            "EXP", "SQR", "SQRT", "SGN", "RAD", "GRAD", "ABS"};
}

QStringList Tdialogkolvar::beispiele()
{
    return {"g1(x)=2*x",          "f1(x)=-2*x+1",     "Pa(u)=2*u^2-6*u+1", "x=6*(3*5-4)",
            "u=sqr(4)",           "z=sqrt(9)",        "g2(x)=-3*x+4",      "p1(x)=x^(2/3)",
            "p2(x)=2*x^2+3*x+4",  "p3(x)=2*(x-2)^2+5", "t1(x)=sin(x)",     "t2(x)=cos(x)",
            "e(x)=exp(x)",        "l(x)=(x-2)/(x-4)^3", QString()};
}

Tdialogkolvar::Tdialogkolvar(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialogkolvar"));
    setWindowTitle(QStringLiteral("Projektkolvarn bearbeiten"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);

    // Page 1: typing and picking.
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* seite1 = new QVBoxLayout(TabSheet1);
    auto* eingabe = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("f(x)=x"), TabSheet1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(255);
    Edit1->setToolTip(QStringLiteral("Geben Sie einen mathm. Ausdruck ein"));
    Edit1->installEventFilter(this);
    definieren = knopf(QStringLiteral("definieren"), QStringLiteral("Definieren"), TabSheet1);
    eingabe->addWidget(Edit1, 1);
    eingabe->addWidget(definieren);
    seite1->addLayout(eingabe);

    auto* mitte = new QHBoxLayout;
    auto* tastenraster = new QGridLayout;
    tastenraster->setSpacing(3);
    const QStringList beschriftungen = tastenfeld();
    for (int i = 0; i < beschriftungen.size(); ++i) {
        auto* t = knopf(QStringLiteral("Taste%1").arg(i + 1), beschriftungen[i], TabSheet1);
        t->setFixedSize(34, 28);
        // A key of the pad must leave the focus, and so the selection, in
        // the edit line: it replaces what is selected there.
        t->setFocusPolicy(Qt::NoFocus);
        tasten.append(t);
        tastenraster->addWidget(t, i / 5, i % 5);
        connect(t, &QPushButton::clicked, this, [this, t] { Button18Click(t->text()); });
    }
    auto* tastenspalte = new QVBoxLayout;
    tastenspalte->addLayout(tastenraster);
    tastenspalte->addStretch(1);
    BitBtn6 = knopf(QStringLiteral("BitBtn6"), QStringLiteral("Löschen alle"), TabSheet1);
    BitBtn5 = knopf(QStringLiteral("BitBtn5"), QStringLiteral("Löschen"), TabSheet1);
    auto* loeschen = new QHBoxLayout;
    loeschen->addWidget(BitBtn5);
    loeschen->addWidget(BitBtn6);
    tastenspalte->addLayout(loeschen);
    mitte->addLayout(tastenspalte);

    auto* fktspalte = new QVBoxLayout;
    Label1 = new QLabel(QStringLiteral("Funktionen"), TabSheet1);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox3 = liste(QStringLiteral("ListBox3"), TabSheet1);
    ListBox3->addItems(funktionen());
    ListBox3->setToolTip(QStringLiteral("Wählen Sie eine Funktion aus"));
    ListBox3->setMinimumWidth(90);
    fktspalte->addWidget(Label1);
    fktspalte->addWidget(ListBox3);
    mitte->addLayout(fktspalte);

    auto* bspspalte = new QVBoxLayout;
    Label2 = new QLabel(QStringLiteral("Beispiele"), TabSheet1);
    Label2->setObjectName(QStringLiteral("Label2"));
    ListBox4 = liste(QStringLiteral("ListBox4"), TabSheet1);
    ListBox4->addItems(beispiele());
    ListBox4->setMinimumWidth(140);
    bspspalte->addWidget(Label2);
    bspspalte->addWidget(ListBox4);
    mitte->addLayout(bspspalte);
    seite1->addLayout(mitte, 1);
    PageControl1->addTab(TabSheet1, QStringLiteral("Kolvar eingeben"));

    // Page 2: file exchange.
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* seite2 = new QHBoxLayout(TabSheet2);
    auto* importknoepfe = new QVBoxLayout;
    BitBtn8 = knopf(QStringLiteral("BitBtn8"), QStringLiteral("Kolvardatei öffnen"), TabSheet2);
    ExcludeBtn = knopf(QStringLiteral("ExcludeBtn"), QStringLiteral("<"), TabSheet2);
    ExAllBtn = knopf(QStringLiteral("ExAllBtn"), QStringLiteral("<<"), TabSheet2);
    BitBtn10 = knopf(QStringLiteral("BitBtn10"), QStringLiteral("Speichern unter"), TabSheet2);
    importknoepfe->addWidget(BitBtn8);
    importknoepfe->addSpacing(12);
    importknoepfe->addWidget(ExcludeBtn);
    importknoepfe->addWidget(ExAllBtn);
    importknoepfe->addStretch(1);
    importknoepfe->addWidget(BitBtn10);
    listbox2 = liste(QStringLiteral("listbox2"), TabSheet2);
    listbox2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    seite2->addLayout(importknoepfe);
    seite2->addWidget(listbox2, 1);
    PageControl1->addTab(TabSheet2, QStringLiteral("Kolvarn importieren"));

    // Page 3: values.
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    auto* seite3 = new QVBoxLayout(TabSheet3);
    ListBox1 = liste(QStringLiteral("ListBox1"), TabSheet3);
    seite3->addWidget(ListBox1);
    PageControl1->addTab(TabSheet3, QStringLiteral("Ausdrücke berechnen"));

    GroupBox1 = new QGroupBox(QStringLiteral("Definierte Projektkolvarn"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* gruppe = new QVBoxLayout(GroupBox1);
    zeigekolvar = liste(QStringLiteral("zeigekolvar"), GroupBox1);
    gruppe->addWidget(zeigekolvar);
    GroupBox1->setMinimumWidth(220);

    BitBtn7 = knopf(QStringLiteral("BitBtn7"), QStringLiteral("Zahlenformat"), this);
    BitBtn3 = knopf(QStringLiteral("BitBtn3"), QStringLiteral("&Hilfe"), this);
    BitBtn2 = knopf(QStringLiteral("BitBtn2"), QStringLiteral("&Schließen"), this);

    auto* oben = new QHBoxLayout;
    oben->addWidget(PageControl1, 1);
    oben->addWidget(GroupBox1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(BitBtn7);
    unten->addStretch(1);
    unten->addWidget(BitBtn3);
    unten->addWidget(BitBtn2);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 1);
    haupt->addLayout(unten);
    resize(700, 380);

    connect(definieren, &QPushButton::clicked, this, &Tdialogkolvar::definierenClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &Tdialogkolvar::definierenClick);
    connect(ListBox3, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListBox3Click(item->text()); });
    connect(ListBox4, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListBox4Click(item->text()); });
    connect(zeigekolvar, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { zeigekolvarClick(zeigekolvar->row(item)); });
    connect(BitBtn6, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn6Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn5Click);
    connect(BitBtn8, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn8Click);
    connect(ExcludeBtn, &QPushButton::clicked, this, &Tdialogkolvar::ExcludeBtnClick);
    connect(ExAllBtn, &QPushButton::clicked, this, &Tdialogkolvar::ExAllBtnClick);
    connect(BitBtn10, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn10Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn7Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tdialogkolvar::BitBtn3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

Tdialogkolvar::~Tdialogkolvar() = default;

void Tdialogkolvar::showEvent(QShowEvent* event)
{
    // Centred on the screen the first time; later showings keep the place
    // the user gave it.
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
    FormActivate();
}

void Tdialogkolvar::FormActivate()
{
    listen_aktualisieren();
}

void Tdialogkolvar::listen_aktualisieren()
{
    zeigekolvar->clear();
    ListBox1->clear();
    if (!projektliste)
        return;
    const QString muster = zahlenform ? zahlenform->zahlenformat : QStringLiteral("0.00");
    for (int i = 0; i < projektliste->count(); ++i) {
        const Tfktzelle* eintrag = projektliste->entry(i);
        const QString definition = QString::fromStdString(eintrag->definition);
        zeigekolvar->addItem(definition);

        const int gleich = definition.indexOf(QLatin1Char('='));
        if (gleich < 0)
            continue;
        // A definition typed with blanks ("a = 5") is still worth a value: the
        // query itself must be free of blanks for the engine.
        const QString anfrage = QString::fromStdString(
            leerzeichenweg(definition.left(gleich + 1).toStdString()));
        std::string zeile = anfrage.toStdString();
        long double wert = 0;
        if (projektliste->untersuche(zeile, wert) && !zeile.empty())
            ListBox1->addItem(anfrage + kolvar::formatFloat(muster, wert));
    }
}

bool Tdialogkolvar::definiereZeile(const QString& zeile)
{
    if (projektliste && projektliste->definiere(zeile.toStdString()))
        return true;
    kolvar::showMessage(kFehlerhafterAusdruck);
    return false;
}

void Tdialogkolvar::definierenClick()
{
    definiereZeile(Edit1->text());
    listen_aktualisieren();
    Edit1->setFocus();
}

bool Tdialogkolvar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        // The edit drops its selection with the focus (a click into the
        // function list takes it); a pick there still replaces it.
        m_auswahl.text = Edit1->text();
        m_auswahl.start = Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
        m_auswahl.laenge = int(Edit1->selectedText().size());
    } else if (watched == Edit1 && event->type() == QEvent::FocusIn) {
        // Reached with Tab, the line is edited where it was left, not
        // selected as a whole and overwritten by the next key.
        const auto grund = static_cast<QFocusEvent*>(event)->reason();
        if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason) {
            QFocusEvent ohneAuswahl(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(Edit1, &ohneAuswahl);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tdialogkolvar::einfuegen(const QString& text, int rueck)
{
    if (!Edit1->hasFocus() && Edit1->text() == m_auswahl.text) {
        if (m_auswahl.laenge > 0)
            Edit1->setSelection(m_auswahl.start, m_auswahl.laenge);
        else
            Edit1->setCursorPosition(m_auswahl.start);
    }
    Edit1->setFocus();
    Edit1->insert(text); // replaces a selection, else inserts at the caret
    Edit1->setCursorPosition(Edit1->cursorPosition() - rueck);
}

void Tdialogkolvar::Button18Click(const QString& beschriftung)
{
    einfuegen(beschriftung, 0);
}

void Tdialogkolvar::ListBox3Click(const QString& funktion)
{
    // The caret ends between the brackets, ready for the argument.
    einfuegen(funktion + QStringLiteral("()"), 1);
}

void Tdialogkolvar::ListBox4Click(const QString& beispiel)
{
    Edit1->setText(beispiel);
    definiereZeile(beispiel);
    listen_aktualisieren();
    Edit1->setFocus();
}

void Tdialogkolvar::zeigekolvarClick(int zeile)
{
    if (zeile < 0 || zeile >= zeigekolvar->count())
        return;
    Edit1->setText(zeigekolvar->item(zeile)->text());
    if (PageControl1->currentIndex() == 0)
        Edit1->setFocus();
}

void Tdialogkolvar::BitBtn6Click()
{
    if (projektliste
        && kolvar::askYesNo(QStringLiteral("Alle Kolvarn löschen ?"), kolvar::MessageIcon::Information))
        projektliste->alle_loeschen();
    listen_aktualisieren();
}

void Tdialogkolvar::BitBtn5Click()
{
    const int s = zeigekolvar->currentRow();
    if (!projektliste || s < 0 || s >= projektliste->count()
        || !zeigekolvar->item(s)->isSelected()) {
        listen_aktualisieren();
        return;
    }
    const std::string& name = projektliste->entry(s)->fktname;
    bool benutzt = false;
    for (int i = 0; i < projektliste->count() && !benutzt; ++i) {
        if (i == s)
            continue;
        std::string n, p, rechts;
        if (Tfktbaum::aufspalten(projektliste->entry(i)->definition, n, p, rechts)
            && rechts.find(name) != std::string::npos)
            benutzt = true;
    }
    // Both texts name the entry that would be deleted, not whatever the
    // edit line happens to hold.
    const QString definition = QString::fromStdString(projektliste->entry(s)->definition);
    if (benutzt) {
        kolvar::showMessage(definition
                            + QStringLiteral(" Kolvar kann nicht gelöscht werde,da Sie in einer "
                                             "anderen Kolvar enthalten ist."));
    } else if (kolvar::askYesNo(definition + QStringLiteral("wirklich löschen ?"),
                                kolvar::MessageIcon::Information)) {
        projektliste->remove(s);
    }
    listen_aktualisieren();
}

void Tdialogkolvar::BitBtn8Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.defaultExtension = QStringLiteral("for");
    anfrage.filter = QStringLiteral("Kolvarn|*.FOR|Text|*.TXT|Alle Dateien|*.*");
    const QString datei = kolvar::getOpenFileName(this, anfrage);
    if (datei.isEmpty())
        return;
    QStringList zeilen;
    QString fehler;
    if (!kolvar::readTextLines(datei, zeilen, &fehler)) {
        kolvar::showMessage(kolvar::tooLargeToRead(datei) ? fehler
                                                          : QStringLiteral("Datei nicht gefunden oder fehlerhaft!"));
        return;
    }
    listbox2->clear();
    listbox2->addItems(zeilen);
}

void Tdialogkolvar::ExcludeBtnClick()
{
    // Walked from the last line up; every selected line leaves the import
    // list, accepted or not.
    std::vector<std::pair<int, QString>> zeilen;
    for (int i = listbox2->count() - 1; i >= 0; --i) {
        if (!listbox2->item(i)->isSelected())
            continue;
        zeilen.emplace_back(i + 1, listbox2->item(i)->text());
        delete listbox2->takeItem(i);
    }
    importieren(zeilen);
}

void Tdialogkolvar::ExAllBtnClick()
{
    std::vector<std::pair<int, QString>> zeilen;
    for (int i = 0; i < listbox2->count(); ++i)
        zeilen.emplace_back(i + 1, listbox2->item(i)->text());
    importieren(zeilen);
}

void Tdialogkolvar::importieren(const std::vector<std::pair<int, QString>>& zeilen)
{
    // A saved list holds its formulas in the order they were first defined,
    // so a line may use a name that only a later line defines: the lines go
    // in passes, and only what never becomes definable is reported, each
    // with its place in the import list.
    std::vector<std::string> texte;
    texte.reserve(zeilen.size());
    for (const auto& zeile : zeilen)
        texte.push_back(zeile.second.toStdString());
    std::vector<std::size_t> offen;
    if (projektliste)
        offen = kolvar::definiere_in_durchgaengen(*projektliste, texte);
    else
        for (std::size_t i = 0; i < zeilen.size(); ++i)
            offen.push_back(i);
    for (std::size_t i : offen) {
        const auto& [nummer, text] = zeilen[i];
        kolvar::showMessage(kFehlerhafterAusdruck
                            + QStringLiteral(" in Zeile %1: %2").arg(QString::number(nummer), text));
    }
    listen_aktualisieren();
}

void Tdialogkolvar::BitBtn10Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.defaultExtension = QStringLiteral("for");
    anfrage.filter = QStringLiteral("Kolvarn|*.for|Text|*.txt|Alle Dateien|*.*");
    const QString datei = kolvar::getSaveFileName(this, anfrage);
    if (datei.isEmpty())
        return;
    QStringList zeilen;
    for (int i = 0; i < zeigekolvar->count(); ++i)
        zeilen << zeigekolvar->item(i)->text();
    QString fehler;
    if (!kolvar::writeTextLines(datei, zeilen, &fehler))
        kolvar::showMessage(fehler);
}

void Tdialogkolvar::BitBtn7Click()
{
    if (zahlenform)
        kolvar::runDialog(*zahlenform);
    listen_aktualisieren();
}

void Tdialogkolvar::BitBtn3Click()
{
    dateizeigen(this, m_verzeichnis + QStringLiteral("hilfe/index.htm"));
}
