// The main window's commands: menu items and buttons.
#include "shell/tmainform.h"

#include "platform/paths.h"
#include "platform/seams.h"
#include "engine/tfktbaum.h"
#include "shell/dateizeigen.h"
#include "shell/tdialogkolvar.h"
#include "shell/tzahlenform.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

void enable(bool on, std::initializer_list<QObject*> controls)
{
    for (QObject* c : controls) {
        if (auto* a = qobject_cast<QAction*>(c))
            a->setEnabled(on);
        else if (auto* w = qobject_cast<QWidget*>(c))
            w->setEnabled(on);
    }
}

} // namespace

void TMainForm::befehle_aktualisieren()
{
    using kolvar::Fensterart;
    auto kann = [this](Fensterart art) { return m_factory && m_factory->kann(art); };
    auto da = [this](Dialogfenster art) { return dialog(art) != nullptr; };

    // Opening and saving projects need the project file, which comes with its
    // own step; until then these commands stay off.
    const bool projektdatei = false;
    enable(projektdatei, {ffnen1, SpeedButton2, Speichern1, SpeedButton3, Speichernunter1, SpeedButton13});
    // The template page's navigation (open, previous, next, expand, collapse)
    // comes with the template tree's commands.
    const bool vorlagenbefehle = false;
    enable(vorlagenbefehle, {Vorlage, SpeedButton49, SpeedButton50, SpeedButton58, SpeedButton59});

    enable(kann(Fensterart::Kolvarfenster), {Kolvarsammlung1, SpeedButton48});
    enable(kann(Fensterart::Rechnenfenster), {NeuesRechnenfenster1, SpeedButton39});
    enable(kann(Fensterart::Tabellenkalkulation), {Tabellenkalkulation1});

    enable(qobject_cast<Tzahlenform*>(dialog(Dialogfenster::zahlenform)) != nullptr,
           {Zahlenformat, SpeedButton19});
    enable(da(Dialogfenster::vorlbeadlg), {vorbearb});
    enable(da(Dialogfenster::anzeigedlg), {ProjektKolvarnanzeigen1});
    enable(da(Dialogfenster::bearbformdlg), {Kolvardatenbank1, SpeedButton8});
    enable(da(Dialogfenster::dialogkolvar), {Kolvarnbearbeiten2, SpeedButton47});
    enable(da(Dialogfenster::formumtab), {Tabellenwerte1, SpeedButton1});
    enable(da(Dialogfenster::formumrech), {Umrechnungen1, SpeedButton4});
    enable(da(Dialogfenster::griechform), {GriechischeBuchstaben1});
    enable(da(Dialogfenster::zeitdlg), {Demo, SpeedButton35});
    enable(da(Dialogfenster::inflizen), {Info1});
}

int TMainForm::modal_zeigen(Dialogfenster art)
{
    auto* d = qobject_cast<QDialog*>(dialog(art));
    return d ? kolvar::runDialog(*d) : int(QDialog::Rejected);
}

void TMainForm::nicht_modal_zeigen(Dialogfenster art)
{
    if (QWidget* w = dialog(art)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

QWidget* TMainForm::neues_fenster(kolvar::Fensterart art)
{
    kolvar::Fenstervorgaben vorgaben;
    vorgaben.zahlenformat = zahlenformat;
    // Only a calculation window takes the angle mode last accepted in the
    // shared number-format dialog.
    auto* zf = qobject_cast<Tzahlenform*>(dialog(Dialogfenster::zahlenform));
    if (art == kolvar::Fensterart::Rechnenfenster && zf)
        vorgaben.winkelmodus = zf->winkelmodus;
    QWidget* w = fenster_erzeugen(art, vorgaben);
    if (w)
        w->show();
    return w;
}

void TMainForm::Kolvarfenster()
{
    neues_fenster(kolvar::Fensterart::Kolvarfenster);
}

void TMainForm::NeuesRechnenfenster1Click()
{
    neues_fenster(kolvar::Fensterart::Rechnenfenster);
}

void TMainForm::Tabellenkalkulation1Click()
{
    neues_fenster(kolvar::Fensterart::Tabellenkalkulation);
}

void TMainForm::Fraktale1Click()
{
    // No command of this window is bound to it; the fractal window has no
    // number format to take over.
    if (QWidget* w = fenster_erzeugen(kolvar::Fensterart::Fraktale, std::nullopt))
        w->show();
}

void TMainForm::SpeedButton8Click()
{
    nicht_modal_zeigen(Dialogfenster::bearbformdlg);
}

void TMainForm::Kolvarnbearbeiten2Click()
{
    modal_zeigen(Dialogfenster::dialogkolvar);
}

void TMainForm::ProjektKolvarnanzeigen1Click()
{
    nicht_modal_zeigen(Dialogfenster::anzeigedlg);
}

void TMainForm::Tabellenwerte()
{
    modal_zeigen(Dialogfenster::formumtab);
}

void TMainForm::umrech()
{
    modal_zeigen(Dialogfenster::formumrech);
}

void TMainForm::GriechischeBuchstaben1Click()
{
    modal_zeigen(Dialogfenster::griechform);
}

void TMainForm::Info1Click()
{
    modal_zeigen(Dialogfenster::inflizen);
}

void TMainForm::DemoClick()
{
    if (!dialog(Dialogfenster::zeitdlg))
        return;
    TreeView1->collapseAll();
    nicht_modal_zeigen(Dialogfenster::zeitdlg);
}

void TMainForm::vorbearbClick()
{
    if (!dialog(Dialogfenster::vorlbeadlg))
        return;
    if (modal_zeigen(Dialogfenster::vorlbeadlg) == QDialog::Accepted)
        vorlagen_laden();
    TreeView1->collapseAll();
}

void TMainForm::ZahlenformatClick()
{
    auto* zf = qobject_cast<Tzahlenform*>(dialog(Dialogfenster::zahlenform));
    if (!zf)
        return;
    zf->zahlenformat = zahlenformat;
    if (kolvar::runDialog(*zf) == QDialog::Accepted)
        zahlenformat = zf->zahlenformat;
}

void TMainForm::seite_zeigen(const QString& relativ)
{
    // A missing page is not reported: the desktop says so itself, or nothing
    // happens.
    dateizeigen(this, verzeichnis + relativ);
}

void TMainForm::Inhalt1Click()
{
    seite_zeigen(QStringLiteral("hilfe\\index.html"));
}

void TMainForm::htmlindexClick()
{
    seite_zeigen(QStringLiteral("ausgabe/index.htm"));
}

void TMainForm::Homepage1Click()
{
    homepage_oeffnen();
}

void TMainForm::homepage_oeffnen()
{
    // The program has no web site; its home is the start page of its own
    // help, opened as a web address would be, without a working directory.
    const QFileInfo seite(kolvar::resolvePath(verzeichnis + QStringLiteral("hilfe\\index.html")));
    kolvar::openDocument(QDir::cleanPath(seite.absoluteFilePath()));
}

void TMainForm::Fenster1Click()
{
    // Pressed while another window is in front, the command only brings the
    // main window back.
    if (!isActiveWindow()) {
        show();
        raise();
        activateWindow();
        return;
    }
    // The window shrinks to its menu and tool bar and grows back by the same
    // amount: hide before shrinking and grow before showing, so the layout's
    // minimum never stands in the way.
    const int h = PageControl1->height();
    if (PageControl1->isVisible()) {
        PageControl1->hide();
        // The layouts recompute the window's minimum height only on their
        // next activation; without the panel it must drop now.
        centralWidget()->layout()->activate();
        layout()->activate();
        resize(width(), height() - h);
    } else {
        resize(width(), height() + h);
        PageControl1->show();
    }
    show();
}

void TMainForm::VerdeckteFenster1Click()
{
    for (QWidget* w : eigeneFenster())
        if (w->isWindow())
            w->showNormal();
}

void TMainForm::SpeedButton46Click()
{
    VerdeckteFenster1Click();
}

void TMainForm::Beenden1Click()
{
    close();
}

void TMainForm::FormCloseQuery(bool& CanClose)
{
    CanClose = kolvar::askYesNo(QStringLiteral("Kolvar beenden ?"));
}

void TMainForm::Neu1Click()
{
    if (projektliste)
        projektliste->alle_loeschen();
    fenster_schliessen();
    setWindowTitle(QStringLiteral("Neues Projekt"));
    projektname.clear();
    zahlenformat = QStringLiteral("0.00");
    // The window manager's window list is emptied here once it exists.
}

namespace {

kolvar::FileDialogRequest projektdialog()
{
    kolvar::FileDialogRequest request;
    request.filter = QStringLiteral("Kolvar Projekt|*.pro");
    request.defaultExtension = QStringLiteral("pro");
    return request;
}

} // namespace

void TMainForm::projekt_laden(const QString& datei)
{
    // The project file's restorer reads datei into the main window here
    // (placement, number format, project formulas, window manager, HTML page
    // and every listed window); it comes with its own step.
    Q_UNUSED(datei);
}

void TMainForm::projekt_schreiben(const QString& datei)
{
    // The project file's restorer writes the project into datei here; it
    // comes with its own step.
    Q_UNUSED(datei);
}

void TMainForm::ffnen1Click()
{
    const QString datei = kolvar::getOpenFileName(this, projektdialog());
    if (!datei.isEmpty())
        projekt_oeffnen(datei);
}

void TMainForm::projekt_oeffnen(const QString& datei)
{
    if (QFileInfo::exists(datei)) {
        if (projektliste)
            projektliste->alle_loeschen();
        fenster_schliessen();
        setWindowTitle(QFileInfo(datei).fileName());
        projektname = QFileInfo(datei).absoluteFilePath();
        projekt_laden(projektname);
    } else {
        kolvar::showMessage(QStringLiteral("Datei nicht vorhanden."));
    }
    // The window manager's window list is emptied here once it exists.
}

void TMainForm::Speichern1Click()
{
    if (projektname.isEmpty())
        Speichernunter1Click();
    else
        projekt_schreiben(projektname);
}

void TMainForm::Speichernunter1Click()
{
    const QString datei = kolvar::getSaveFileName(this, projektdialog());
    if (datei.isEmpty())
        return;
    projekt_schreiben(datei);
    setWindowTitle(QFileInfo(datei).fileName());
    projektname = QFileInfo(datei).absoluteFilePath();
}

void hauptfenster_zeigen()
{
    if (!MainForm)
        return;
    if (MainForm->isMinimized())
        MainForm->showNormal();
    MainForm->show();
    MainForm->raise();
    MainForm->activateWindow();
}
