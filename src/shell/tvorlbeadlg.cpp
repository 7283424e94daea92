#include "shell/tvorlbeadlg.h"

#include "platform/paths.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/baumschritte.h"
#include "shell/buttonpictures.h"
#include "shell/formbau.h"
#include "shell/tmainform.h"
#include "shell/treetext.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Tvorlbeadlg* vorlbeadlg = nullptr;

namespace {

QPushButton* textknopf(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QToolButton* bildknopf(QWidget* parent, const char* name, kolvar::ButtonPicture bild, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(25, 25);
    b->setIcon(kolvar::buttonIcon(bild, 17));
    b->setIconSize(QSize(17, 17));
    kolvar::hinweis(b, hint);
    return b;
}

QTreeWidgetItem* neuerKnoten(const QString& text)
{
    auto* knoten = new QTreeWidgetItem(QStringList{text});
    knoten->setFlags(knoten->flags() | Qt::ItemIsEditable);
    return knoten;
}

} // namespace

void Vorlagenbaum::eingabe_uebernehmen()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // The in-place editor sits on the viewport; any other widget there is
    // no editor, and the view ignores it.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

Tvorlbeadlg::Tvorlbeadlg(QWidget* parent)
    : QDialog(parent)
{
    using kolvar::ButtonPicture;
    setObjectName(QStringLiteral("vorlbeadlg"));
    setWindowTitle(QStringLiteral("Vorlagen bearbeiten"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    kolvar::hinweis(this, QStringLiteral("Doppelklick, um Vorlage zu laden."));

    TreeView1 = new Vorlagenbaum(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setSortingEnabled(false);
    TreeView1->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &Tvorlbeadlg::TreeView1Change);
    connect(TreeView1, &QTreeWidget::itemChanged, this, &Tvorlbeadlg::TreeView1Change);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(181);

    GroupBox2 = new QGroupBox(Panel2);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Label1 = new QLabel(GroupBox2);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* rahmen2 = new QHBoxLayout(GroupBox2);
    rahmen2->setContentsMargins(6, 2, 6, 2);
    rahmen2->addWidget(Label1);

    GroupBox1 = new QGroupBox(QStringLiteral("Projekt bearbeiten "), Panel2);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit2 = new QLineEdit(GroupBox1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Suchen = textknopf(GroupBox1, "Suchen", QStringLiteral("Gleiche Ebene"));
    BitBtn4 = textknopf(GroupBox1, "BitBtn4", QStringLiteral("Untergeordnete Ebene"));
    BitBtn7 = textknopf(GroupBox1, "BitBtn7", QStringLiteral("Ersetzen"));
    // A second button for the same command; the first one is the one shown.
    Weiter = textknopf(GroupBox1, "Weiter", QStringLiteral("Untergeordnetes Ebene"));
    Weiter->hide();
    auto* raster = new QGridLayout(GroupBox1);
    raster->setContentsMargins(6, 4, 6, 4);
    raster->setVerticalSpacing(3);
    raster->addWidget(new QLabel(QStringLiteral("Projektname:"), GroupBox1), 0, 0);
    raster->addWidget(Edit2, 0, 1, 1, 3);
    raster->addWidget(new QLabel(QStringLiteral("Beschreibung:"), GroupBox1), 1, 0);
    raster->addWidget(Edit1, 1, 1, 1, 3);
    raster->addWidget(new QLabel(QStringLiteral("Hinzufügen auf:"), GroupBox1), 2, 0);
    raster->addWidget(Suchen, 2, 1);
    raster->addWidget(BitBtn4, 2, 2);
    raster->addWidget(BitBtn7, 2, 3);

    Vorher = bildknopf(Panel2, "Vorher", ButtonPicture::Vorherige, QStringLiteral("Vorherige Vorlage"));
    Naechste = bildknopf(Panel2, "Naechste", ButtonPicture::Naechste, QStringLiteral("Nächste Vorlage"));
    BitBtn3 = bildknopf(Panel2, "BitBtn3", ButtonPicture::AlleZuklappen, QStringLiteral("Alle zuklappen"));
    collapsclose = bildknopf(Panel2, "collapsclose", ButtonPicture::AlleAufklappen,
                             QStringLiteral("Alle aufklappen"));
    BitBtn5 = textknopf(Panel2, "BitBtn5", QStringLiteral("&Bearbeiten"));
    Demo = textknopf(Panel2, "Demo", QStringLiteral("&Löschen"));
    BitBtn6 = textknopf(Panel2, "BitBtn6", QStringLiteral("Aktuelles &Projekt"));
    BitBtn1 = textknopf(Panel2, "BitBtn1", QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    BitBtn2 = textknopf(Panel2, "BitBtn2", QStringLiteral("Abbrechen"));
    vorprojekt = new QCheckBox(QStringLiteral("Vorlagen als Projekt laden"), Panel2);
    vorprojekt->setObjectName(QStringLiteral("vorprojekt"));

    auto* schritte = new QHBoxLayout;
    schritte->setSpacing(1);
    for (QToolButton* b : {Vorher, Naechste, BitBtn3, collapsclose})
        schritte->addWidget(b);
    schritte->addSpacing(8);
    schritte->addWidget(BitBtn5);
    schritte->addWidget(Demo);
    schritte->addWidget(BitBtn6);
    schritte->addStretch(1);
    auto* schluss = new QHBoxLayout;
    schluss->addWidget(vorprojekt);
    schluss->addStretch(1);
    schluss->addWidget(BitBtn1);
    schluss->addWidget(BitBtn2);
    auto* unten = new QVBoxLayout(Panel2);
    unten->setContentsMargins(4, 2, 4, 4);
    unten->setSpacing(3);
    unten->addWidget(GroupBox2);
    unten->addWidget(GroupBox1);
    unten->addLayout(schritte);
    unten->addLayout(schluss);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TreeView1, 1);
    layout->addWidget(Panel2);
    resize(520, 480);

    connect(BitBtn1, &QPushButton::clicked, this, &Tvorlbeadlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Naechste, &QToolButton::clicked, this, &Tvorlbeadlg::NaechsteClick);
    connect(Vorher, &QToolButton::clicked, this, &Tvorlbeadlg::VorherClick);
    connect(BitBtn3, &QToolButton::clicked, this, &Tvorlbeadlg::BitBtn3Click);
    connect(collapsclose, &QToolButton::clicked, this, &Tvorlbeadlg::collapscloseClick);
    connect(Suchen, &QPushButton::clicked, this, &Tvorlbeadlg::SuchenClick);
    connect(BitBtn4, &QPushButton::clicked, this, &Tvorlbeadlg::WeiterClick);
    connect(Weiter, &QPushButton::clicked, this, &Tvorlbeadlg::WeiterClick);
    connect(BitBtn7, &QPushButton::clicked, this, &Tvorlbeadlg::BitBtn7Click);
    connect(Demo, &QPushButton::clicked, this, &Tvorlbeadlg::DemoClick);
    connect(BitBtn5, &QPushButton::clicked, this, &Tvorlbeadlg::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &Tvorlbeadlg::BitBtn6Click);
}

QString Tvorlbeadlg::baumdatei() const
{
    return m_verzeichnis + QStringLiteral("Lektion\\lekt.out");
}

QString Tvorlbeadlg::knoten_text() const
{
    return Edit1->text() + QLatin1Char('(') + Edit2->text() + QLatin1Char(')');
}

void Tvorlbeadlg::showEvent(QShowEvent* event)
{
    // Loaded when shown, not on every activation: the message box of a
    // failed write, or any other window, must not throw away the edits.
    baum_laden();
    QDialog::showEvent(event);
}

void Tvorlbeadlg::baum_laden()
{
    QStringList zeilen;
    QString fehler;
    const QString datei = kolvar::resolvePath(baumdatei());
    // No tree yet is an empty tree; a file that is there but cannot be read
    // is reported.
    if (QFileInfo::exists(datei) && !kolvar::readTextLines(datei, zeilen, &fehler))
        kolvar::showMessage(fehler);
    kolvar::treeFromLines(*TreeView1, zeilen);
    for (QTreeWidgetItem* knoten : kolvar::allNodes(*TreeView1))
        knoten->setFlags(knoten->flags() | Qt::ItemIsEditable);
    TreeView1->collapseAll();
    TreeView1Change();
}

void Tvorlbeadlg::BitBtn1Click()
{
    TreeView1->eingabe_uebernehmen();
    QString fehler;
    if (!kolvar::saveTreeText(*TreeView1, baumdatei(), &fehler)) {
        kolvar::showMessage(fehler);
        return;
    }
    accept();
}

void Tvorlbeadlg::NaechsteClick()
{
    kolvar::naechster_knoten(*TreeView1);
}

void Tvorlbeadlg::VorherClick()
{
    kolvar::vorheriger_knoten(*TreeView1);
}

void Tvorlbeadlg::BitBtn3Click()
{
    TreeView1->collapseAll();
}

void Tvorlbeadlg::collapscloseClick()
{
    kolvar::alle_aufklappen(*TreeView1);
}

void Tvorlbeadlg::SuchenClick()
{
    QTreeWidgetItem* knoten = TreeView1->currentItem();
    QTreeWidgetItem* neu = neuerKnoten(knoten_text());
    // Without a selection the node goes to the top level, so that an empty
    // tree can get its first node.
    if (!knoten)
        TreeView1->addTopLevelItem(neu);
    else if (QTreeWidgetItem* eltern = knoten->parent())
        eltern->insertChild(eltern->indexOfChild(knoten), neu);
    else
        TreeView1->insertTopLevelItem(TreeView1->indexOfTopLevelItem(knoten), neu);
}

void Tvorlbeadlg::WeiterClick()
{
    QTreeWidgetItem* knoten = TreeView1->currentItem();
    QTreeWidgetItem* neu = neuerKnoten(knoten_text());
    if (!knoten) {
        TreeView1->addTopLevelItem(neu);
        return;
    }
    knoten->addChild(neu);
    knoten->setExpanded(true);
}

void Tvorlbeadlg::BitBtn7Click()
{
    if (QTreeWidgetItem* knoten = TreeView1->currentItem()) {
        knoten->setText(0, knoten_text());
        TreeView1Change();
    }
}

void Tvorlbeadlg::DemoClick()
{
    // The node goes with its whole branch.
    delete TreeView1->currentItem();
    TreeView1Change();
}

void Tvorlbeadlg::BitBtn5Click()
{
    const QTreeWidgetItem* knoten = TreeView1->currentItem();
    if (!knoten)
        return;
    knotentext = knoten->text(0);
    const kolvar::NodeParts teile = kolvar::splitNodeText(knotentext);
    if (!teile.brackets)
        return;
    Edit1->setText(teile.description);
    Edit2->setText(teile.name);
}

void Tvorlbeadlg::BitBtn6Click()
{
    Edit2->setText(MainForm ? MainForm->projektname : QString());
}

void Tvorlbeadlg::TreeView1Change()
{
    const QTreeWidgetItem* knoten = TreeView1->currentItem();
    Label1->setText(knoten ? knoten->text(0) : QString());
}
