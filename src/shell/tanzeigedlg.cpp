#include "shell/tanzeigedlg.h"

#include "engine/tfktbaum.h"
#include "controls/tsaveloadlist.h"
#include "engine/tfktzelle.h"
#include "shell/buttonpictures.h"
#include "shell/formbau.h"
#include "shell/tdialogkolvar.h"
#include "shell/tmainform.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

Tanzeigedlg* anzeigedlg = nullptr;

namespace {

QToolButton* bildknopf(QWidget* parent, const char* name, kolvar::ButtonPicture bild, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(25, 25);
    b->setIcon(kolvar::buttonIcon(bild, 19));
    b->setIconSize(QSize(19, 19));
    b->setAutoRaise(true);
    kolvar::hinweis(b, hint);
    return b;
}

// The run-time windows the main window owns, oldest first.
QList<QWidget*> verwalteteFenster()
{
    return MainForm ? MainForm->eigeneFenster() : QList<QWidget*>();
}

} // namespace

Tanzeigedlg::Tanzeigedlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    using kolvar::ButtonPicture;
    setObjectName(QStringLiteral("anzeigedlg"));
    setWindowTitle(QStringLiteral("Projektkolvarn anzeigen"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Aktualisieren = bildknopf(TabSheet1, "Aktualisieren", ButtonPicture::Aktualisieren,
                              QStringLiteral("Funktionsliste aktualisieren"));
    SpeedButton17 = bildknopf(TabSheet1, "SpeedButton17", ButtonPicture::Projektkolvarn,
                              QStringLiteral("Funktionen bearbeiten"));
    zeigekolvar = new QListWidget(TabSheet1);
    zeigekolvar->setObjectName(QStringLiteral("zeigekolvar"));
    zeigekolvar->setSelectionMode(QAbstractItemView::NoSelection);
    auto* leiste1 = new QHBoxLayout;
    leiste1->setSpacing(1);
    leiste1->addWidget(Aktualisieren);
    leiste1->addWidget(SpeedButton17);
    leiste1->addStretch(1);
    auto* seite1 = new QVBoxLayout(TabSheet1);
    seite1->setContentsMargins(2, 2, 2, 2);
    seite1->setSpacing(2);
    seite1->addLayout(leiste1);
    seite1->addWidget(zeigekolvar, 1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    SpeedButton1 = bildknopf(TabSheet2, "SpeedButton1", ButtonPicture::Aktualisieren,
                             QStringLiteral("Liste der Fenster aktualisieren"));
    SpeedButton46 = bildknopf(TabSheet2, "SpeedButton46", ButtonPicture::FensterNormal, QStringLiteral("Normal"));
    SpeedButton47 = bildknopf(TabSheet2, "SpeedButton47", ButtonPicture::FensterMaximieren,
                              QStringLiteral("Maximieren"));
    SpeedButton48 = bildknopf(TabSheet2, "SpeedButton48", ButtonPicture::FensterMinimieren,
                              QStringLiteral("Minimieren"));
    SpeedButton2 = bildknopf(TabSheet2, "SpeedButton2", ButtonPicture::Hauptmenue, QStringLiteral("Hauptmenü"));
    ListBox1 = new QListWidget(TabSheet2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    auto* leiste2 = new QHBoxLayout;
    leiste2->setSpacing(1);
    for (QToolButton* b : {SpeedButton1, SpeedButton46, SpeedButton47, SpeedButton48, SpeedButton2})
        leiste2->addWidget(b);
    leiste2->addStretch(1);
    auto* seite2 = new QVBoxLayout(TabSheet2);
    seite2->setContentsMargins(2, 2, 2, 2);
    seite2->setSpacing(2);
    seite2->addLayout(leiste2);
    seite2->addWidget(ListBox1, 1);

    PageControl1->addTab(TabSheet1, QStringLiteral("Projektkolvarn anzeigen"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Fensterverwaltung"));
    PageControl1->setCurrentWidget(TabSheet2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PageControl1);
    resize(300, 260);
    // A project may hold any size; below this the lists and buttons are cut.
    setMinimumSize(300, 200);

    connect(Aktualisieren, &QToolButton::clicked, this, &Tanzeigedlg::AktualisierenClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tanzeigedlg::AktualisierenClick);
    connect(SpeedButton17, &QToolButton::clicked, this, &Tanzeigedlg::SpeedButton17Click);
    connect(SpeedButton46, &QToolButton::clicked, this, &Tanzeigedlg::SpeedButton46Click);
    connect(SpeedButton47, &QToolButton::clicked, this, &Tanzeigedlg::SpeedButton47Click);
    connect(SpeedButton48, &QToolButton::clicked, this, &Tanzeigedlg::SpeedButton48Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tanzeigedlg::SpeedButton2Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &Tanzeigedlg::ListBox1Click);
}

bool Tanzeigedlg::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void Tanzeigedlg::FormActivate()
{
    AktualisierenClick();
}

void Tanzeigedlg::AktualisierenClick()
{
    zeigekolvar->clear();
    if (projektliste)
        for (int i = 0; i < projektliste->count(); ++i)
            zeigekolvar->addItem(QString::fromStdString(projektliste->entry(i)->definition));
    ListBox1->clear();
    for (QWidget* w : verwalteteFenster())
        ListBox1->addItem(w->windowTitle());
}

void Tanzeigedlg::SpeedButton17Click()
{
    if (MainForm)
        MainForm->Kolvarnbearbeiten2Click();
}

void Tanzeigedlg::ListBox1Click()
{
    // The line's position is applied to the windows as they are now: after
    // windows were opened or closed without a refresh it may bring up
    // another window than the one it names, or none.
    const int zeile = ListBox1->currentRow();
    const QList<QWidget*> fenster = verwalteteFenster();
    if (zeile < 0 || zeile >= fenster.size())
        return;
    QWidget* w = fenster.at(zeile);
    w->showNormal();
    w->raise();
    w->activateWindow();
}

void Tanzeigedlg::SpeedButton46Click()
{
    for (QWidget* w : verwalteteFenster())
        w->showNormal();
}

void Tanzeigedlg::SpeedButton47Click()
{
    // Only "Normal" shows hidden windows; a hidden one takes the state and
    // stays hidden.
    for (QWidget* w : verwalteteFenster())
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void Tanzeigedlg::SpeedButton48Click()
{
    for (QWidget* w : verwalteteFenster())
        w->setWindowState(w->windowState() | Qt::WindowMinimized);
}

void Tanzeigedlg::SpeedButton2Click()
{
    hauptfenster_zeigen();
}

Anzeigefensterplatz Tanzeigedlg::platz() const
{
    Anzeigefensterplatz p;
    p.visible = isVisible();
    p.width = width();
    p.height = height();
    p.top = y();
    p.left = x();
    p.windowState = kolvar::zustandsnummer(windowState());
    p.control = PageControl1->currentIndex();
    return p;
}

void Tanzeigedlg::platz_setzen(const Anzeigefensterplatz& p)
{
    move(0, 0);
    const Qt::WindowState zustand = kolvar::fensterzustand(p.windowState);
    setWindowState(zustand);
    if (zustand == Qt::WindowNoState) {
        resize(kolvar::fenstergroesse(p.width, p.height));
        move(p.left, p.top);
        if (p.control >= 0 && p.control < PageControl1->count())
            PageControl1->setCurrentIndex(p.control);
    }
    setVisible(p.visible);
}
