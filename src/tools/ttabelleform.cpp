// Building the spreadsheet window (menus, tool bar, formula bar, grid), its
// creation and registration, the cells' calculation entry points, and how
// the user moves through the grid and types into cells or the formula bar.
#include "tools/ttabelleform.h"

#include "controls/formcontrols.h"
#include "engine/tfktbaum.h"
#include "shell/buttonpictures.h"
#include "shell/formbau.h"
#include "shell/tmainform.h"
#include "shell/windowfactory.h"
#include "tools/tabellenmodell.h"
#include "tools/tabellenrechnung.h"
#include "tools/texpfordlg.h"
#include "tools/tsummedlg.h"

#include <QAction>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

Ttabelleform* tabelleform = nullptr;

namespace {

QFont arial(int punkte)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    return f;
}

using kolvar::menue;

} // namespace

// Opens the grid's in-place editor on the cell's input rather than on its
// value, and hands what was typed back to the sheet.
class Zellendelegat : public QStyledItemDelegate {
public:
    explicit Zellendelegat(Ttabelleform* blatt) : QStyledItemDelegate(blatt), m_blatt(blatt) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("Zelleneditor"));
        editor->setFrame(false);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        m_blatt->editor_oeffnen(index.column(), index.row(), static_cast<QLineEdit*>(editor));
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        m_blatt->editor_uebernehmen(index.column(), index.row(), static_cast<QLineEdit*>(editor)->text());
    }

private:
    Ttabelleform* m_blatt;
};

Ttabelleform::Ttabelleform(QWidget* parent)
    : QMainWindow(parent), m_modell(new kolvar::Tabellenmodell(this)), m_liste(std::make_unique<Tfktbaum>())
{
    setObjectName(QStringLiteral("tabelleform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tabellenkalkulation"));
    resize(960, 560);
    if (MainForm)
        verzeichnis = MainForm->verzeichnis;
    tabellenliste = m_liste.get();
    m_rechnung = std::make_unique<kolvar::Tabellenrechnung>(*m_liste, *m_modell, zahlenformat);

    auto* zentral = new QWidget(this);
    zentral->setObjectName(QStringLiteral("Zentrum"));
    setCentralWidget(zentral);
    baue_menues();
    baue_werkzeugleiste();
    baue_flaeche();
    summendialog = new Tsummedlg(this);
    verbinden();

    setSchrift(arial(10), 0);
    kopfzeilen_setzen();
    StringGrid1->setAktuell(1, 1);
    Label1->setText(QStringLiteral("A1"));
    Edit1->setText(QStringLiteral(" "));
    // The grid, not the formula bar, has the focus when the window opens.
    StringGrid1->setFocus();
}

Ttabelleform::~Ttabelleform()
{
    // No event of the controls going away may reach the handlers: the
    // grid's parts still send events while they go, when the grid is no
    // longer one.
    Edit1->removeEventFilter(this);
    StringGrid1->removeEventFilter(this);
    StringGrid1->viewport()->removeEventFilter(this);
    if (expfordlg && expfordlg->tabellenliste == tabellenliste)
        expfordlg->tabellenliste = nullptr;
    if (tabelleform == this)
        tabelleform = nullptr;
    // The view goes before the model and the calculation it shows.
    delete StringGrid1;
    StringGrid1 = nullptr;
}

void Ttabelleform::baue_menues()
{
    using kolvar::eintrag;
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = menue(leiste, "Datei1", QStringLiteral("&Datei"));
    Neu1 = eintrag(Datei1, "Neu1", QStringLiteral("&Neu"));
    ffnen1 = eintrag(Datei1, "ffnen1", QStringLiteral("Ö&ffnen..."));
    Save1 = eintrag(Datei1, "Save1", QStringLiteral("&Speichern"));
    SaveAs1 = eintrag(Datei1, "SaveAs1", QStringLiteral("Speichern &unter..."));
    Datei1->addSeparator();
    AlsTextdateispeichern1 =
        eintrag(Datei1, "AlsTextdateispeichern1", QStringLiteral("&Als Textdatei speichern"));
    Textdateieinfgen1 = eintrag(Datei1, "Textdateieinfgen1", QStringLiteral("Textdatei &einfügen"));
    MarkiertenBereichspeichern1 =
        eintrag(Datei1, "MarkiertenBereichspeichern1", QStringLiteral("&Markierten Bereich speichern"));
    Datei1->addSeparator();
    Drucken1 = eintrag(Datei1, "Drucken1", QStringLiteral("&Drucken..."));
    Datei1->addSeparator();
    Close1 = eintrag(Datei1, "Close1", QStringLiteral("&Beenden"));

    Bearbeiten1 = menue(leiste, "Bearbeiten1", QStringLiteral("&Bearbeiten"));
    Ausschneiden1 = eintrag(Bearbeiten1, "Ausschneiden1", QStringLiteral("&Ausschneiden"),
                            QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1 = eintrag(Bearbeiten1, "Kopieren1", QStringLiteral("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Einfgen1 = eintrag(Bearbeiten1, "Einfgen1", QStringLiteral("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Lschen1 = eintrag(Bearbeiten1, "Lschen1", QStringLiteral("&Löschen"), QKeySequence(Qt::Key_Delete));
    Bearbeiten1->addSeparator();
    Inhalteeinfgen1 = eintrag(Bearbeiten1, "Inhalteeinfgen1", QStringLiteral("A&ls Bitmap kopieren"));

    Rechnen1 = menue(leiste, "Rechnen1", QStringLiteral("&Rechnen"));
    Programmstarten1 = eintrag(Rechnen1, "Programmstarten1", QStringLiteral("Rechne"), QKeySequence(Qt::Key_F2));
    Direktrechnen = eintrag(Rechnen1, "Direktrechnen", QStringLiteral("&Direkt Rechnen"));
    Direktrechnen->setCheckable(true);
    Direktrechnen->setChecked(true);
    Direktrechnen->setVisible(false);
    Kolvaranzeigen = eintrag(Rechnen1, "Kolvaranzeigen", QStringLiteral("&Kolvarn anzeigen"));
    Kolvareinfgen1 = eintrag(Rechnen1, "Kolvareinfgen1", QStringLiteral("Kolvar &einfügen"));
    Summe1 = eintrag(Rechnen1, "Summe1", QStringLiteral("&Summe"));

    Eigenschaften1 = menue(leiste, "Eigenschaften1", QStringLiteral("&Eigenschaften"));
    Zahlen1 = eintrag(Eigenschaften1, "Zahlen1", QStringLiteral("&Zahlenformat..."));
    Schriftart1 = eintrag(Eigenschaften1, "Schriftart1", QStringLiteral("&Schriftart..."));
    Grer1 = eintrag(Eigenschaften1, "Grer1", QStringLiteral("Größer"));
    Kleiner1 = eintrag(Eigenschaften1, "Kleiner1", QStringLiteral("Kleiner"));
    Eigenschaften1->addSeparator();
    Kolvar1 = eintrag(Eigenschaften1, "Kolvar1", QStringLiteral("&Kolvarn bearbeiten"));
    Einstellungen1 = eintrag(Eigenschaften1, "Einstellungen1", QStringLiteral("&Einstellungen"));

    Ausgabe1 = menue(leiste, "Ausgabe1", QStringLiteral("&Ausgabe"));
    HTML1 = eintrag(Ausgabe1, "HTML1", QStringLiteral("&HTML"));

    Hilfe1 = menue(leiste, "Hilfe1", QStringLiteral("&Hilfe"));
    Inhalt1 = eintrag(Hilfe1, "Inhalt1", QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1));

    // The grid's pop-up menu runs the same commands. It shows their keys,
    // which the main menu's items already take (two items with one key
    // would leave the key to neither).
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto wie = [this](const char* name, QAction* vorbild) {
        return eintrag(PopupMenu1, name,
                       vorbild->text() + QLatin1Char('\t') + vorbild->shortcut().toString(QKeySequence::NativeText));
    };
    Ausschneiden2 = wie("Ausschneiden2", Ausschneiden1);
    Kopieren2 = wie("Kopieren2", Kopieren1);
    Einfgen2 = wie("Einfgen2", Einfgen1);
    Lschen2 = wie("Lschen2", Lschen1);
}

void Ttabelleform::baue_werkzeugleiste()
{
    Panel3 = new QFrame(centralWidget());
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::StyledPanel);
    auto* reihe = new QHBoxLayout(Panel3);
    reihe->setContentsMargins(2, 2, 2, 2);
    reihe->setSpacing(1);

    auto knopf = [this](const char* name, const QString& text, const QString& hint) {
        QToolButton* b = kolvar::knopf(Panel3, name, text, hint);
        b->setFont(arial(8));
        return b;
    };
    SpeedButton11 = knopf("SpeedButton11", QStringLiteral("Rechne"), QStringLiteral("Ergebnisse berechnen"));
    QFont fett = SpeedButton11->font();
    fett.setBold(true);
    SpeedButton11->setFont(fett);
    SpeedButton11->setStyleSheet(QStringLiteral("QToolButton:enabled { color: #c00000; }"));
    SpeedButton8 = knopf("SpeedButton8", QStringLiteral("Hauptmenü"), QStringLiteral("Hauptmenü"));
    SpeedButton7 = knopf("SpeedButton7", QStringLiteral("Öffnen"), QStringLiteral("Datei öffnen"));
    SpeedButton4 = knopf("SpeedButton4", QStringLiteral("Speichern"), QStringLiteral("Datei speichern"));
    SpeedButton5 = knopf("SpeedButton5", QStringLiteral("Speichern unter"), QStringLiteral("Datei speichern unter"));
    SpeedButton10 = knopf("SpeedButton10", QStringLiteral("Beenden"), QStringLiteral("Beenden|"));
    Hilfe = knopf("Hilfe", QStringLiteral("Hilfe"), QStringLiteral("Hilfe"));
    CutButton = knopf("CutButton", QStringLiteral("Ausschneiden"), QStringLiteral("Ausschneiden|"));
    CopyButton = knopf("CopyButton", QStringLiteral("Kopieren"), QStringLiteral("Kopieren|"));
    PasteButton = knopf("PasteButton", QStringLiteral("Einfügen"), QStringLiteral("Einfügen|"));
    SpeedButton19 = knopf("SpeedButton19", QStringLiteral("Zahlenformat"), QStringLiteral("Zahlenformat"));
    SpeedButton6 = knopf("SpeedButton6", QStringLiteral("Schrift"), QStringLiteral("Schrift"));
    SpeedButton9 = knopf("SpeedButton9", QStringLiteral("Kleiner"), QStringLiteral("Verkleînern"));
    SpeedButton3 = knopf("SpeedButton3", QStringLiteral("Größer"), QStringLiteral("Vergrößern"));
    SpeedButton12 = knopf("SpeedButton12", QStringLiteral("HTML"), QStringLiteral("HTML"));

    // The file, help, format and exit buttons carry the main window's
    // pictures, as on the other calculators.
    for (auto [b, bild] : {std::pair{SpeedButton7, kolvar::ButtonPicture::Oeffnen},
                           std::pair{SpeedButton4, kolvar::ButtonPicture::Speichern},
                           std::pair{SpeedButton5, kolvar::ButtonPicture::SpeichernUnter},
                           std::pair{SpeedButton10, kolvar::ButtonPicture::Beenden},
                           std::pair{Hilfe, kolvar::ButtonPicture::Hilfe},
                           std::pair{SpeedButton19, kolvar::ButtonPicture::Zahlenformat}}) {
        b->setIcon(kolvar::buttonIcon(bild, 20));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    for (QToolButton* b : {SpeedButton11, SpeedButton8, SpeedButton7, SpeedButton4, SpeedButton5, SpeedButton10,
                           Hilfe, CutButton, CopyButton, PasteButton, SpeedButton19, SpeedButton6, SpeedButton9,
                           SpeedButton3, SpeedButton12})
        reihe->addWidget(b);
    reihe->addStretch(1);
}

void Ttabelleform::baue_flaeche()
{
    auto* senkrecht = new QVBoxLayout(centralWidget());
    senkrecht->setContentsMargins(0, 0, 0, 0);
    senkrecht->setSpacing(0);
    senkrecht->addWidget(Panel3);

    Panel1 = new QFrame(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* leiste = new QHBoxLayout(Panel1);
    leiste->setContentsMargins(4, 2, 4, 2);
    leiste->setSpacing(2);
    Label1 = new QLabel(QStringLiteral("A1"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFixedWidth(56);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    SpeedButton1 = kolvar::knopf(Panel1, "SpeedButton1", QStringLiteral("✓"), QStringLiteral("Übernehmen"));
    SpeedButton2 = kolvar::knopf(Panel1, "SpeedButton2", QStringLiteral("✗"), QStringLiteral("Abbrechen"));
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(false);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);
    leiste->addWidget(Label1);
    leiste->addWidget(SpeedButton1);
    leiste->addWidget(SpeedButton2);
    leiste->addWidget(Edit1, 1);
    senkrecht->addWidget(Panel1);

    StringGrid1 = new Tabellenraster(m_modell, centralWidget());
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setItemDelegate(new Zellendelegat(this));
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    senkrecht->addWidget(StringGrid1, 1);

    StringGrid2 = new Formelraster(m_modell, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
}

void Ttabelleform::verbinden()
{
    auto an = [this](QAction* a, auto handler) { connect(a, &QAction::triggered, this, handler); };
    auto knopf = [this](QToolButton* b, auto handler) { connect(b, &QToolButton::clicked, this, handler); };
    an(Neu1, &Ttabelleform::Neu1Click);
    an(ffnen1, &Ttabelleform::ffnen1Click);
    knopf(SpeedButton7, &Ttabelleform::ffnen1Click);
    an(Save1, &Ttabelleform::Save1Click);
    knopf(SpeedButton4, &Ttabelleform::Save1Click);
    an(SaveAs1, &Ttabelleform::SaveAs1Click);
    knopf(SpeedButton5, &Ttabelleform::SaveAs1Click);
    an(AlsTextdateispeichern1, &Ttabelleform::AlsTextdateispeichern1Click);
    an(Textdateieinfgen1, &Ttabelleform::Textdateieinfgen1Click);
    an(MarkiertenBereichspeichern1, &Ttabelleform::MarkiertenBereichspeichern1Click);
    an(Drucken1, &Ttabelleform::Drucken1Click);
    an(Close1, &Ttabelleform::Close1Click);
    knopf(SpeedButton10, &Ttabelleform::Close1Click);
    for (QAction* a : {Ausschneiden1, Ausschneiden2})
        an(a, &Ttabelleform::Ausschneiden1Click);
    knopf(CutButton, &Ttabelleform::Ausschneiden1Click);
    for (QAction* a : {Kopieren1, Kopieren2})
        an(a, &Ttabelleform::Kopieren1Click);
    knopf(CopyButton, &Ttabelleform::Kopieren1Click);
    for (QAction* a : {Einfgen1, Einfgen2})
        an(a, &Ttabelleform::Einfgen1Click);
    knopf(PasteButton, &Ttabelleform::Einfgen1Click);
    for (QAction* a : {Lschen1, Lschen2})
        an(a, &Ttabelleform::Lschen1Click);
    an(Inhalteeinfgen1, &Ttabelleform::Inhalteeinfgen1Click);
    an(Programmstarten1, &Ttabelleform::Programmstarten1Click);
    knopf(SpeedButton11, &Ttabelleform::SpeedButton11Click);
    an(Kolvaranzeigen, &Ttabelleform::KolvaranzeigenClick);
    an(Kolvareinfgen1, &Ttabelleform::Kolvareinfgen1Click);
    an(Summe1, &Ttabelleform::Summe1Click);
    an(Zahlen1, &Ttabelleform::ZahlenClick);
    knopf(SpeedButton19, &Ttabelleform::ZahlenClick);
    an(Schriftart1, &Ttabelleform::SetFont);
    knopf(SpeedButton6, &Ttabelleform::SetFont);
    an(Grer1, &Ttabelleform::Grer1Click);
    knopf(SpeedButton3, &Ttabelleform::Grer1Click);
    an(Kleiner1, &Ttabelleform::Kleiner1Click);
    knopf(SpeedButton9, &Ttabelleform::Kleiner1Click);
    an(Kolvar1, &Ttabelleform::Kolvar1Click);
    an(Einstellungen1, &Ttabelleform::Einstellungen1Click);
    an(HTML1, &Ttabelleform::HTML1Click);
    knopf(SpeedButton12, &Ttabelleform::HTML1Click);
    an(Inhalt1, &Ttabelleform::Inhalt1Click);
    knopf(Hilfe, &Ttabelleform::Inhalt1Click);
    knopf(SpeedButton8, &Ttabelleform::SpeedButton8Click);
    knopf(SpeedButton1, &Ttabelleform::SpeedButton1Click);
    knopf(SpeedButton2, &Ttabelleform::SpeedButton2Click);

    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& neu, const QModelIndex& alt) {
                if (alt.isValid())
                    vorher = {alt.column(), alt.row()};
                if (neu.isValid())
                    StringGrid1SelectCell(neu.column(), neu.row());
            });
    connect(StringGrid1->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) {
                editor_geschlossen(editor, int(hinweis));
            });
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(p)); });
}

kolvar::FormControls Ttabelleform::formControls()
{
    kolvar::FormControls controls(this);
    controls.add(StringGrid1).add(Edit1).add(StringGrid2);
    return controls;
}

void Ttabelleform::titel_setzen()
{
    setWindowTitle(dateiname.isEmpty() ? QStringLiteral("Tabellenkalkulation") : QFileInfo(dateiname).fileName());
}

// --- cells --------------------------------------------------------------------------

void Ttabelleform::kopfzeilen_setzen()
{
    m_modell->beginSammeln();
    for (int zeile = 1; zeile < StringGrid1->RowCount(); ++zeile)
        StringGrid1->setCells(0, zeile, QString::number(zeile));
    for (int spalte = 1; spalte < StringGrid1->ColCount(); ++spalte)
        StringGrid1->setCells(spalte, 0, kolvar::Tabellenrechnung::spaltenbuchstaben(spalte));
    m_modell->endSammeln();
}

void Ttabelleform::zelle_berechnen(int spalte, int zeile)
{
    m_rechnung->zelle_berechnen(spalte, zeile);
}

bool Ttabelleform::summe_berechnen(const QString& bereich, long double& wert) const
{
    return m_rechnung->summe_berechnen(bereich, wert);
}

void Ttabelleform::alle_berechnen()
{
    editor_beenden();
    m_modell->beginSammeln();
    m_rechnung->alle_berechnen();
    m_modell->endSammeln();
}

void Ttabelleform::zelle_setzen(int spalte, int zeile, const QString& text)
{
    if (text.isEmpty() || !m_modell->istDatenzelle(spalte, zeile))
        return;
    StringGrid1->setCells(spalte, zeile, text);
    StringGrid2->setCells(spalte, zeile, text);
    zelle_berechnen(spalte, zeile);
}

void Ttabelleform::setSpaltenbreite(int spalte, int breite)
{
    StringGrid1->setColWidths(spalte, breite);
}

void Ttabelleform::setAnzeige(int spalte, int zeile, const QString& text)
{
    if (m_modell->istDatenzelle(spalte, zeile))
        StringGrid1->setCells(spalte, zeile, text);
}

void Ttabelleform::setEingabe(int spalte, int zeile, const QString& text)
{
    if (!m_modell->istDatenzelle(spalte, zeile))
        return;
    StringGrid1->setCells(spalte, zeile, text);
    StringGrid2->setCells(spalte, zeile, text);
}

// --- moving and selecting -------------------------------------------------------------

void Ttabelleform::StringGrid1SelectCell(int spalte, int zeile)
{
    Label1->setText(kolvar::Tabellenrechnung::zellname(spalte, zeile));
    gewaehlt = {spalte, zeile};
    if (editiert)
        bearbeitung_beenden(m_editorzelle);
    // The bar shows what the new cell holds, as the editor would.
    const bool leer = kolvar::Tabellenmodell::leer(StringGrid1->Cells(spalte, zeile));
    Edit1->setText(leer ? QStringLiteral(" ") : m_modell->eingabe(spalte, zeile));
}

bool Ttabelleform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const QPoint z = StringGrid1->zelleBei(static_cast<QMouseEvent*>(event)->position().toPoint());
            anker = {z.x(), z.y()};
        } else if (event->type() == QEvent::MouseMove) {
            auto* maus = static_cast<QMouseEvent*>(event);
            if (maus->buttons() == Qt::LeftButton && maus->modifiers() == Qt::NoModifier) {
                const QPoint z = StringGrid1->zelleBei(maus->position().toPoint());
                if (z.x() >= 1 && z.y() >= 1)
                    endzelle = {z.x(), z.y()};
            }
        }
    } else if (watched == StringGrid1) {
        if (event->type() == QEvent::KeyPress) {
            auto* taste = static_cast<QKeyEvent*>(event);
            // Platforms differ in whether pressing Shift already reports it held.
            Qt::KeyboardModifiers gehalten = taste->modifiers();
            if (taste->key() == Qt::Key_Shift)
                gehalten |= Qt::ShiftModifier;
            if (gehalten == Qt::ShiftModifier && !shiftmarkieren) {
                shiftmarkieren = true;
                anker = endzelle = {StringGrid1->Col(), StringGrid1->Row()};
                StringGrid1->setAuswahl({anker.spalte, anker.zeile, anker.spalte, anker.zeile});
            }
        } else if (event->type() == QEvent::KeyRelease) {
            auto* taste = static_cast<QKeyEvent*>(event);
            const bool shiftLosgelassen = taste->key() == Qt::Key_Shift;
            if (shiftmarkieren && (shiftLosgelassen || taste->modifiers() == Qt::ShiftModifier)) {
                endzelle = {StringGrid1->Col(), StringGrid1->Row()};
                StringGrid1->setAuswahl({anker.spalte, anker.zeile, endzelle.spalte, endzelle.zeile});
            }
            if (shiftLosgelassen || taste->modifiers() != Qt::ShiftModifier)
                shiftmarkieren = false;
        }
    } else if (watched == Edit1) {
        if (event->type() == QEvent::FocusIn) {
            Edit1Enter();
        } else if (event->type() == QEvent::FocusOut) {
            Edit1Exit();
        } else if (event->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(event)->key();
            if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
                SpeedButton1Click();
                return true;
            }
            if (taste == Qt::Key_Escape) {
                SpeedButton2Click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- typing into a cell -------------------------------------------------------------------

void Ttabelleform::editor_oeffnen(int spalte, int zeile, QLineEdit* editor)
{
    // The view asks again whenever the cell changes while it is edited.
    if (editor == m_editor)
        return;
    m_editor = editor;
    const Zellort zelle{spalte, zeile};
    if (m_einfuegen) {
        // A project formula being inserted is what the editor starts with.
        m_einfuegen = false;
        editiert = true;
        editor->setText(m_einzufuegen);
    } else if (editiert && m_editorzelle == zelle) {
        editor->setText(StringGrid1->Cells(spalte, zeile));
    } else {
        editiert = true;
        const QString eingabe = StringGrid2->Cells(spalte, zeile);
        if (!kolvar::Tabellenmodell::leer(eingabe)) {
            StringGrid1->setCells(spalte, zeile, eingabe);
            editor->setText(eingabe);
        } else {
            editor->setText(StringGrid1->Cells(spalte, zeile));
        }
    }
    m_editorzelle = zelle;
    Edit1->setText(editor->text());
    connect(editor, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (editiert)
            Edit1->setText(text);
    });
}

void Ttabelleform::editor_uebernehmen(int spalte, int zeile, const QString& text)
{
    StringGrid1->setCells(spalte, zeile, text);
}

void Ttabelleform::editor_geschlossen(QWidget*, int hinweis)
{
    m_editor = nullptr;
    if (hinweis != QAbstractItemDelegate::RevertModelCache) {
        // Enter or another cell ends the edit.
        bearbeitung_beenden(m_editorzelle);
        return;
    }
    // Escape: the cell keeps its input, whatever the value grid shows now.
    if (!editiert)
        return;
    editiert = false;
    const Zellort z = m_editorzelle;
    const QString eingabe = StringGrid2->Cells(z.spalte, z.zeile);
    if (kolvar::Tabellenmodell::leer(eingabe))
        return;
    StringGrid1->setCells(z.spalte, z.zeile, eingabe);
    if (Direktrechnen->isChecked())
        zelle_berechnen(z.spalte, z.zeile);
    Edit1->setText(m_modell->eingabe(StringGrid1->Col(), StringGrid1->Row()));
}

void Ttabelleform::editor_beenden()
{
    StringGrid1->editorSchliessen(m_editor);
}

void Ttabelleform::bearbeitung_beenden(const Zellort& zelle)
{
    if (!editiert)
        return;
    editiert = false;
    // An edit that leaves the cell blank keeps its input: "Löschen" empties cells.
    const QString text = StringGrid1->Cells(zelle.spalte, zelle.zeile);
    if (!kolvar::Tabellenmodell::leer(text))
        StringGrid2->setCells(zelle.spalte, zelle.zeile, text);
    if (Direktrechnen->isChecked())
        zelle_berechnen(zelle.spalte, zelle.zeile);
    Edit1->setText(m_modell->eingabe(StringGrid1->Col(), StringGrid1->Row()));
}

// --- the formula bar --------------------------------------------------------------------

void Ttabelleform::Edit1Enter()
{
    SpeedButton1->setEnabled(true);
    SpeedButton2->setEnabled(true);
    m_leistenzelle = {StringGrid1->Col(), StringGrid1->Row()};
    const QString eingabe = m_modell->eingabe(m_leistenzelle.spalte, m_leistenzelle.zeile);
    m_leistenanzeige = StringGrid1->Cells(m_leistenzelle.spalte, m_leistenzelle.zeile);
    StringGrid1->setCells(m_leistenzelle.spalte, m_leistenzelle.zeile, QString());
    Edit1->setText(eingabe);
}

void Ttabelleform::Edit1Exit()
{
    SpeedButton1->setEnabled(false);
    SpeedButton2->setEnabled(false);
    const Zellort z = m_leistenzelle;
    const bool abgebrochen = abbruch;
    abbruch = false;
    if (!abgebrochen && !Edit1->text().isEmpty()) {
        StringGrid1->setCells(z.spalte, z.zeile, Edit1->text());
        StringGrid2->setCells(z.spalte, z.zeile, Edit1->text());
    } else {
        // Nothing taken: the cell shows what it showed, a comment included.
        StringGrid1->setCells(z.spalte, z.zeile, m_leistenanzeige);
        Edit1->setText(m_modell->eingabe(z.spalte, z.zeile));
    }
    if (Direktrechnen->isChecked())
        zelle_berechnen(z.spalte, z.zeile);
}

void Ttabelleform::SpeedButton1Click()
{
    StringGrid1->setFocus();
}

void Ttabelleform::SpeedButton2Click()
{
    abbruch = true;
    StringGrid1->setFocus();
}

// --- registration ---------------------------------------------------------------------

namespace kolvar {

void registriereTabellenkalkulation(FensterRegister& fensterregister)
{
    fensterregister.eintragen(Fensterart::Tabellenkalkulation,
                              [](const std::optional<Fenstervorgaben>& vorgaben) -> QWidget* {
                                  auto* fenster = new Ttabelleform;
                                  if (vorgaben)
                                      fenster->zahlenformat = vorgaben->zahlenformat;
                                  tabelleform = fenster;
                                  return fenster;
                              });
    fensterregister.tabellenzugang_eintragen(
        [](QWidget* fenster) -> Tabellenblatt* { return qobject_cast<Ttabelleform*>(fenster); });
}

} // namespace kolvar
