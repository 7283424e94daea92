// The formula window's commands: which of them a loaded formula enables,
// the pages, the page picture on the clipboard, printing, the number format,
// help, the main window, and the contents panel with its splitter.
#include "collection/texcausdlg.h"

#include "platform/seams.h"
#include "shell/dateizeigen.h"
#include "shell/tmainform.h"
#include "shell/tzahlenform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPixmap>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

void Texcausdlg::schalten(QObject* befehl, bool an)
{
    m_gewuenscht.insert(befehl, an);
    const bool wirklich = an && !m_ohneZiel.contains(befehl);
    if (auto* a = qobject_cast<QAction*>(befehl))
        a->setEnabled(wirklich);
    else if (auto* w = qobject_cast<QWidget*>(befehl))
        w->setEnabled(wirklich);
}

void Texcausdlg::menueein()
{
    m_formelAktiv = true;
    for (QObject* o : std::initializer_list<QObject*>{seite1btn, SeiteKolvar1, Umformen2, SpeedButton8,
                                                      SpeedButton11, Speedrechfens, Rechnenfenster1,
                                                      abellenkalkulation1, ausgabe})
        schalten(o, true);
}

void Texcausdlg::menueaus()
{
    m_formelAktiv = false;
    // The HTML command pictures whatever the window shows; it keeps its state.
    for (QObject* o : std::initializer_list<QObject*>{
             SpeedButton8, seite1btn, Seite2btn, seite3btn, Speedrechne, Speedrechfens, Rechne1,
             Rechnenfenster1, SeiteBeispiel1, SeiteKolvar1, SeiteRechnung1, Umformen2,
             abellenkalkulation1})
        schalten(o, false);
}

bool Texcausdlg::rechenbar() const
{
    return m_formelAktiv && !rechnung.isEmpty();
}

void Texcausdlg::FormActivate()
{
    // The two menu commands calculate from the page "Rechnung" only, and
    // only a formula with a calculation line can be calculated.
    const bool an = rechenbar() && PageControl1->currentIndex() == 1;
    schalten(Rechne1, an);
    schalten(Rechnenfenster1, an);
}

void Texcausdlg::PageControl1Change()
{
    FormActivate();
}

void Texcausdlg::seite(int index)
{
    if (index >= 0 && index < PageControl1->count())
        PageControl1->setCurrentIndex(index);
}

void Texcausdlg::seite1btnClick()
{
    seite(0);
}

void Texcausdlg::Seite2btnClick()
{
    seite(1);
}

void Texcausdlg::seite3btnClick()
{
    seite(2);
}

void Texcausdlg::Seitekopieren1Click()
{
    QApplication::clipboard()->setPixmap(centralWidget()->grab());
}

void Texcausdlg::drucken()
{
    // The page is printed on white, not on the screen's yellow and grey.
    QWidget* flaeche = ScrollBox1->widget();
    const QPalette fensterVorher = palette();
    const QPalette flaecheVorher = flaeche->palette();
    const QPalette rahmenVorher = ScrollBox1->viewport()->palette();
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);
    QPalette flaecheWeiss = flaecheVorher;
    flaecheWeiss.setColor(QPalette::Window, Qt::white);
    flaeche->setPalette(flaecheWeiss);
    ScrollBox1->viewport()->setPalette(flaecheWeiss);
    kolvar::printWidget(*this, true);
    setPalette(fensterVorher);
    flaeche->setPalette(flaecheVorher);
    ScrollBox1->viewport()->setPalette(rahmenVorher);
}

void Texcausdlg::Drucken1Click()
{
    drucken();
}

void Texcausdlg::Zahlenformat1Click()
{
    if (!zahlenform)
        return;
    zahlenform->zahlenformat = zahlenformat;
    if (kolvar::runDialog(*zahlenform) == QDialog::Accepted)
        zahlenformat = zahlenform->zahlenformat;
}

void Texcausdlg::Inhalt2Click()
{
    dateizeigen(this, verzeichnis + QStringLiteral("hilfe\\index.htm"));
}

void Texcausdlg::SpeedButton5Click()
{
    hauptfenster_zeigen();
}

void Texcausdlg::Beenden1Click()
{
    close();
}

int Texcausdlg::panelbreite() const
{
    return PageControl2->width();
}

void Texcausdlg::setPanelbreite(int breite)
{
    breite = std::max(0, breite);
    PageControl2->setFixedWidth(breite);
    PageControl2->setVisible(breite > 0);
}

void Texcausdlg::Inhalt1Click()
{
    Inhalt1->setChecked(!Inhalt1->isChecked());
    if (Inhalt1->isChecked()) {
        if (merkewidth < 5)
            merkewidth = 160;
        setPanelbreite(merkewidth);
    } else {
        merkewidth = panelbreite();
        setPanelbreite(0);
    }
    // The splitter sits right of the panel by the layout.
}

void Texcausdlg::Panel2MouseDown()
{
    ziehen = true;
    grabMouse(Qt::SplitHCursor);
}

void Texcausdlg::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x)
{
    if (!ziehen)
        return;
    if (buttons == Qt::LeftButton && modifiers == Qt::NoModifier) {
        // The right side keeps room for the splitter.
        setPanelbreite(std::clamp(x, 0, std::max(0, width() - Panel2->width())));
    } else {
        ziehen = false;
        if (QWidget::mouseGrabber() == this)
            releaseMouse();
    }
}
