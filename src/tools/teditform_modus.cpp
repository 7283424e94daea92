// The calculation window's two modes: the direct mode's Enter, the program
// run with its output window, the mode commands and the side list.
#include "tools/teditform.h"

#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "tools/calcpad.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>

QStringList TEditForm::zeilen() const
{
    QStringList result;
    const QTextDocument* doc = Memo1->document();
    if (doc->isEmpty())
        return result;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        result << b.text();
    return result;
}

void TEditForm::zeilehinzufuegen(const QString& zeile)
{
    // An empty last line takes the text; otherwise it goes onto a new line
    // after the last, so no empty line is left between or after added lines.
    // The caret ends after the added text.
    QTextCursor c(Memo1->document());
    c.movePosition(QTextCursor::End);
    if (c.block().text().isEmpty())
        c.insertText(zeile);
    else
        c.insertText(QLatin1Char('\n') + zeile);
    Memo1->setTextCursor(c);
}

void TEditForm::zeileeinfuegen(int index, const QString& zeile)
{
    QTextDocument* doc = Memo1->document();
    const QTextBlock ziel = doc->findBlockByNumber(index);
    QTextCursor c(doc);
    if (ziel.isValid()) {
        c.setPosition(ziel.position());
        c.insertText(zeile + QLatin1Char('\n'));
    } else {
        c.movePosition(QTextCursor::End);
        c.insertText(QLatin1Char('\n') + zeile);
    }
    // The caret follows the inserted line, so the Enter that caused it opens
    // a fresh line below the answer.
    Memo1->setTextCursor(c);
}

void TEditForm::Memo1KeyDown(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && direktmodus && projektliste) {
        // The line of the caret, or of the start of a selection.
        const int index = Memo1->document()->findBlock(Memo1->textCursor().selectionStart()).blockNumber();
        const QString zeile = Memo1->document()->findBlockByNumber(index).text();
        const kolvar::DirectResult r = kolvar::handleDirectLine(*projektliste, zahlenformat, zeile);
        using Kind = kolvar::DirectResult::Kind;
        switch (r.kind) {
        case Kind::Nothing:
        case Kind::Defined:
            break;
        case Kind::Clear:
            Memo1->clear();
            break;
        case Kind::ListDefinitions:
            for (const QString& s : r.lines)
                zeilehinzufuegen(s);
            break;
        case Kind::DeletedAll:
            kolvar::showMessage(QStringLiteral("Alle Kolvarn gelöscht!"));
            break;
        case Kind::Value:
            zeileeinfuegen(index + 1, r.value);
            break;
        case Kind::Invalid:
            kolvar::showMessage(QStringLiteral("ungültiger Ausdruck"));
            break;
        }
    }
    zeigekolvar_aktualisieren();
}

void TEditForm::Programmstarten1Click()
{
    if (!projektliste)
        return;
    const QStringList ausgabe = kolvar::runProgram(*projektliste, zahlenformat, zeilen());
    zeigekolvar_aktualisieren();
    if (ausgabe.isEmpty())
        return;
    // Every run with output gets a window of its own, which outlives this one.
    TEditForm* fenster = neuesFenster(kolvar::Zugehoerigkeit::Programm);
    if (!fenster)
        return;
    m_ausgabefenster = fenster;
    fenster->show();
    for (const QString& zeile : ausgabe)
        fenster->zeilehinzufuegen(zeile);
}

void TEditForm::zeigekolvar_aktualisieren()
{
    if (zeigekolvar->isHidden() || !projektliste)
        return;
    const QStringList eintraege = kolvar::sideListEntries(*projektliste, zahlenformat);
    // Most keys change nothing here; leaving an unchanged list alone keeps
    // its scroll position and selection.
    bool gleich = zeigekolvar->count() == eintraege.size();
    for (int i = 0; gleich && i < eintraege.size(); ++i)
        gleich = zeigekolvar->item(i)->text() == eintraege[i];
    if (gleich)
        return;
    zeigekolvar->clear();
    zeigekolvar->addItems(eintraege);
}

void TEditForm::zeigekolvarClick(int zeile)
{
    if (QListWidgetItem* item = zeigekolvar->item(zeile))
        zeilehinzufuegen(item->text());
}

void TEditForm::Kolvarnausgeben1Click()
{
    if (!projektliste)
        return;
    for (const QString& s : kolvar::definitionLines(*projektliste))
        zeilehinzufuegen(s);
}

void TEditForm::DirektModus1Click()
{
    direktmodus = true;
    DirektModus1->setChecked(true);
    ProgrammModus1->setChecked(false);
    Programmstarten1->setEnabled(false);
    Rechne->setEnabled(false);
}

void TEditForm::ProgrammModus1Click()
{
    direktmodus = false;
    DirektModus1->setChecked(false);
    ProgrammModus1->setChecked(true);
    Programmstarten1->setEnabled(true);
    Rechne->setEnabled(true);
}

void TEditForm::DPButtonClick()
{
    if (Rechne->isEnabled())
        DirektModus1Click();
    else
        ProgrammModus1Click();
}

void TEditForm::Projektkolvarnanzeigen1Click()
{
    const bool zeigen = zeigekolvar->isHidden();
    zeigekolvar->setVisible(zeigen);
    Projektkolvarnanzeigen1->setChecked(zeigen);
    SpeedButton7->setChecked(zeigen);
    zeigekolvar_aktualisieren();
}
