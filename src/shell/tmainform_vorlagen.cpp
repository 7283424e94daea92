// The main window's template page: the template tree, taking and opening a
// template, next and previous, expanding and collapsing, the hidden search;
// and the contents page, which is switched off.
#include "shell/tmainform.h"

#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "shell/baumschritte.h"
#include "shell/buttonpictures.h"
#include "shell/formbau.h"
#include "shell/tdialogkolvar.h"
#include "shell/treetext.h"
#include "shell/twinrestorer.h"

#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QToolButton* kleinerKnopf(QWidget* parent, const char* name, kolvar::ButtonPicture bild, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(25, 25);
    b->setIcon(kolvar::buttonIcon(bild, 17));
    b->setIconSize(QSize(17, 17));
    b->setAutoRaise(true);
    kolvar::hinweis(b, hint);
    return b;
}

QPushButton* textknopf(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

const QString kNichtGefunden = QStringLiteral("Ausdruck nicht gefunden");

} // namespace

void TMainForm::baue_vorlagensuche()
{
    Panel1 = new QFrame(TabSheet2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    kolvar::hinweis(Edit1, QStringLiteral("Geben Sie einen Suchbegriff ein und klicken auf SUCHEN."));
    Suchen = textknopf(Panel1, "Suchen", QStringLiteral("&Suchen"));
    Weiter = textknopf(Panel1, "Weiter", QStringLiteral("&Weiter"));
    auto* zeile = new QHBoxLayout(Panel1);
    zeile->setContentsMargins(1, 1, 1, 1);
    zeile->addWidget(Edit1, 1);
    zeile->addWidget(Suchen);
    zeile->addWidget(Weiter);
    // Present, but not offered to the user.
    Panel1->hide();
    connect(Suchen, &QPushButton::clicked, this, &TMainForm::SuchenClick);
    connect(Weiter, &QPushButton::clicked, this, &TMainForm::WeiterClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &TMainForm::SuchenClick);
}

void TMainForm::baue_inhaltsseite()
{
    using kolvar::ButtonPicture;
    Panel3 = new QFrame(TabSheet1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Label1 = new QLabel(QStringLiteral("-"), Panel3);
    Label1->setObjectName(QStringLiteral("Label1"));
    SpeedButton9 = new QToolButton(Panel3);
    SpeedButton9->setObjectName(QStringLiteral("SpeedButton9"));
    SpeedButton9->setText(QStringLiteral("Kolvarfenster erstellen"));
    SpeedButton9->setIcon(kolvar::buttonIcon(ButtonPicture::Kolvarsammlung, 17));
    SpeedButton9->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SpeedButton9->setAutoRaise(true);
    kolvar::hinweis(SpeedButton9, QStringLiteral("Datei öffnen"));
    txtshape31 = new Ttxtshape(Panel3);
    txtshape31->setObjectName(QStringLiteral("txtshape31"));
    kolvar::hinweis(txtshape31, QStringLiteral("Kolvar"));
    txtshape31->setFixedHeight(40);

    Panel5 = new QFrame(Panel3);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    SpeedButton6 = kleinerKnopf(Panel5, "SpeedButton6", ButtonPicture::Naechste, QStringLiteral("Weiter"));
    SpeedButton7 = kleinerKnopf(Panel5, "SpeedButton7", ButtonPicture::Vorherige, QStringLiteral("Zurück"));
    SpeedButton10 = kleinerKnopf(Panel5, "SpeedButton10", ButtonPicture::AlleAufklappen,
                                 QStringLiteral("Alle aufklappen"));
    SpeedButton11 = kleinerKnopf(Panel5, "SpeedButton11", ButtonPicture::AlleZuklappen,
                                 QStringLiteral("Alle zuklappen"));
    Edit2 = new QLineEdit(Panel5);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    BitBtn1 = textknopf(Panel5, "BitBtn1", QStringLiteral("&Suchen"));
    BitBtn2 = textknopf(Panel5, "BitBtn2", QStringLiteral("&Weiter"));
    auto* knoepfe = new QHBoxLayout(Panel5);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    knoepfe->setSpacing(1);
    for (QWidget* w : {static_cast<QWidget*>(SpeedButton6), static_cast<QWidget*>(SpeedButton7),
                       static_cast<QWidget*>(SpeedButton10), static_cast<QWidget*>(SpeedButton11),
                       static_cast<QWidget*>(Edit2), static_cast<QWidget*>(BitBtn1),
                       static_cast<QWidget*>(BitBtn2)})
        knoepfe->addWidget(w);

    auto* spalte = new QVBoxLayout(Panel3);
    spalte->setContentsMargins(1, 1, 1, 1);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(SpeedButton9);
    kopf->addWidget(Label1, 1);
    spalte->addLayout(kopf);
    spalte->addWidget(txtshape31);
    spalte->addWidget(Panel5);

    connect(SpeedButton9, &QToolButton::clicked, this, &TMainForm::SpeedButton9Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TMainForm::SpeedButton6Click);
    connect(SpeedButton7, &QToolButton::clicked, this, &TMainForm::SpeedButton7Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TMainForm::SpeedButton10Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TMainForm::SpeedButton11Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TMainForm::SuchenClick2);
    connect(BitBtn2, &QPushButton::clicked, this, &TMainForm::WeiterClick2);
    // Enter in the contents search searches the contents tree, the tree the
    // edit belongs to.
    connect(Edit2, &QLineEdit::returnPressed, this, &TMainForm::SuchenClick2);
    connect(TreeView2, &QTreeWidget::itemDoubleClicked, this, &TMainForm::TreeView2DblClick);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TreeView1 && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            VorlageClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::vorlage_waehlen()
{
    if (!TreeView1->currentItem() && TreeView1->topLevelItemCount() > 0)
        kolvar::selectNode(*TreeView1, TreeView1->topLevelItem(0));
    const QTreeWidgetItem* knoten = TreeView1->currentItem();
    vorlagedatei = knoten ? knoten->text(0) : QString();
    const kolvar::NodeParts teile = kolvar::splitNodeText(vorlagedatei);
    // A heading (or a node with nothing between its brackets) opens nothing.
    m_vorlageBenannt = teile.brackets && !teile.name.trimmed().isEmpty();
    Vorlage->setEnabled(m_vorlageBenannt);
    if (!m_vorlageBenannt) {
        Label2->clear();
        return;
    }
    Label2->setText(vorlagedatei);
    vorlagedatei = teile.name;
}

void TMainForm::TreeView1Change()
{
    vorlage_waehlen();
}

void TMainForm::TreeView1DblClick()
{
    VorlageClick();
}

QString TMainForm::vorlage_pfad(const QString& name) const
{
    // A relative name always means the program's own "Lektion" folder,
    // whatever the working directory is.
    if (QFileInfo(name).isAbsolute() && QFileInfo(kolvar::resolvePath(name)).isFile())
        return kolvar::resolvePath(name);
    QString datei = verzeichnis + QStringLiteral("Lektion/") + name;
    if (QFileInfo(kolvar::fileNameOf(datei)).suffix().isEmpty())
        datei += QStringLiteral(".pro");
    return kolvar::resolvePath(datei);
}

void TMainForm::VorlageClick()
{
    if (m_vorlageOeffnet)
        return;
    // The windows the window manager listed are about to go, or the list
    // was stale anyway.
    fensterliste_leeren();
    // Only a node that names a template opens one; a heading opens nothing.
    if (!m_vorlageBenannt)
        return;
    m_vorlageOeffnet = true;
    // The template is read and checked before the current project is given
    // up: a missing or broken template says so and changes nothing.
    TWinRestorer restorer(vorlage_pfad(vorlagedatei));
    if (restorer.pruefen()) {
        if (projektliste)
            projektliste->alle_loeschen();
        fenster_schliessen();
        setWindowTitle(standardtitel());
        projektname.clear();
        restorer.laden(*this);
    }
    m_vorlageOeffnet = false;
}

void TMainForm::NaechsteClick()
{
    if (PageControl1->currentWidget() != TabSheet2) {
        SpeedButton6Click();
        return;
    }
    if (!kolvar::naechster_knoten(*TreeView1))
        return;
    vorlage_waehlen();
    VorlageClick();
}

void TMainForm::VorherClick()
{
    if (!kolvar::vorheriger_knoten(*TreeView1))
        return;
    vorlage_waehlen();
    VorlageClick();
}

void TMainForm::collapscloseClick()
{
    kolvar::alle_aufklappen(*TreeView1);
}

void TMainForm::BitBtn3Click()
{
    TreeView1->collapseAll();
}

void TMainForm::SuchenClick()
{
    vorlagensuche = 0;
    WeiterClick();
}

void TMainForm::WeiterClick()
{
    if (kolvar::knoten_suchen(*TreeView1, Edit1->text(), vorlagensuche) == kolvar::Suchergebnis::NichtGefunden)
        kolvar::showMessage(kNichtGefunden);
}

void TMainForm::inhalt_aufbauen()
{
    // The contents tree stays empty: no contents entry can be chosen, and
    // gebiet, thema and inhalt stay empty.
    TreeView2->clear();
    if (Datadlg && Datadlg->table2)
        Datadlg->table2->first();
}

void TMainForm::inhalt_erneuern()
{
    inhalt_aufbauen();
    vorlage_waehlen();
}

void TMainForm::SpeedButton9Click()
{
    // A new formula window shows no formula pages while no contents entry is
    // chosen, which is always the case here.
    Kolvarfenster();
}

void TMainForm::TreeView2DblClick()
{
    // No contents entry can be selected: nothing to open.
}

void TMainForm::SpeedButton6Click()
{
    kolvar::naechster_knoten(*TreeView2);
}

void TMainForm::SpeedButton7Click()
{
    kolvar::vorheriger_knoten(*TreeView2);
}

void TMainForm::SpeedButton10Click()
{
    kolvar::alle_aufklappen(*TreeView2);
}

void TMainForm::SpeedButton11Click()
{
    TreeView2->collapseAll();
}

void TMainForm::SuchenClick2()
{
    inhaltssuche = 0;
    WeiterClick2();
}

void TMainForm::WeiterClick2()
{
    TreeView1->collapseAll();
    if (kolvar::knoten_suchen(*TreeView2, Edit2->text(), inhaltssuche) == kolvar::Suchergebnis::NichtGefunden)
        kolvar::showMessage(kNichtGefunden);
}
