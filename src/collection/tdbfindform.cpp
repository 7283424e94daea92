#include "collection/tdbfindform.h"

#include "collection/datensatzbefehle.h"
#include "platform/datapacket.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "shell/screenplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDBFindForm* DBFindForm = nullptr;

using kolvar::DataTable;

TDBFindForm::TDBFindForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("DBFindForm"));
    setWindowTitle(QStringLiteral("Suche"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    auto name = [](QWidget* w, const char* objectName) {
        w->setObjectName(QLatin1String(objectName));
        return w;
    };
    Label1 = new QLabel(QStringLiteral("Feld wählen"), this);
    name(Label1, "Label1");
    ComboBox1 = new QComboBox(this);
    name(ComboBox1, "ComboBox1");
    // A field name may also be typed.
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    Label1->setBuddy(ComboBox1);
    Label2 = new QLabel(QStringLiteral("Suchtext"), this);
    name(Label2, "Label2");
    Edit1 = new QLineEdit(this);
    name(Edit1, "Edit1");
    Label2->setBuddy(Edit1);
    CheckBox1 = new QCheckBox(QStringLiteral("Ersetzen durch"), this);
    name(CheckBox1, "CheckBox1");
    Edit2 = new QLineEdit(this);
    name(Edit2, "Edit2");
    Edit2->setEnabled(false);
    CheckBox2 = new QCheckBox(QStringLiteral("alle"), this);
    name(CheckBox2, "CheckBox2");

    auto knopf = [this, &name](const char* objectName, const QString& text, int tag) {
        auto* b = new QPushButton(text, this);
        name(b, objectName);
        b->setProperty("Tag", tag);
        return b;
    };
    OKBtn = knopf("OKBtn", QStringLiteral("&Start"), 0);
    OKBtn->setToolTip(QStringLiteral("Suche starten"));
    OKBtn->setDefault(true);
    BitBtn1 = knopf("BitBtn1", QStringLiteral("&Weiter"), 1);
    BitBtn1->setToolTip(QStringLiteral("Suche starten"));
    CancelBtn = knopf("CancelBtn", QStringLiteral("Schließen"), 0);

    auto* felder = new QGridLayout;
    felder->addWidget(Label1, 0, 0);
    felder->addWidget(ComboBox1, 0, 1);
    felder->addWidget(Label2, 1, 0);
    felder->addWidget(Edit1, 1, 1);
    felder->addWidget(CheckBox1, 2, 0);
    felder->addWidget(Edit2, 2, 1);
    felder->addWidget(CheckBox2, 3, 0);
    felder->setColumnStretch(1, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(BitBtn1);
    knoepfe->addStretch();
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addStretch();
    layout->addLayout(knoepfe);

    connect(OKBtn, &QPushButton::clicked, this, &TDBFindForm::OKBtnClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TDBFindForm::OKBtnClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TDBFindForm::CheckBox1Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TDBFindForm::CancelBtnClick);

    resize(380, 170);
    kolvar::placeAtScreenCentre(*this);
}

void TDBFindForm::fuelle_felder()
{
    ComboBox1->clear();
    Edit1->clear();
    if (tabelle && tabelle->isActive()) {
        for (const kolvar::FieldDef& f : tabelle->fieldDefs())
            ComboBox1->addItem(f.name);
    }
    // The list offers the fields; which one is searched is the person's choice.
    ComboBox1->setCurrentIndex(-1);
}

void TDBFindForm::OKBtnClick()
{
    starten(sender() ? sender()->property("Tag").toInt() : 0);
}

void TDBFindForm::starten(int tag)
{
    OKBtn->setEnabled(false);
    CancelBtn->setEnabled(false);
    if (!Edit1->text().isEmpty() && !ComboBox1->currentText().isEmpty()) {
        suchtext = Edit1->text();
        suche_weiter(tag == 0);
    }
    OKBtn->setEnabled(true);
    CancelBtn->setEnabled(true);
}

void TDBFindForm::CheckBox1Click()
{
    Edit2->setEnabled(CheckBox1->isChecked());
}

void TDBFindForm::CancelBtnClick()
{
    hide();
}

void TDBFindForm::suche_weiter(bool vonAnfang)
{
    DataTable* t = tabelle;
    if (!t || !t->isActive() || suchtext.isEmpty())
        return;
    const QString feld = ComboBox1->currentText();
    const int pos = t->fieldIndex(feld);
    if (pos < 0) {
        kolvar::showMessage(QStringLiteral("Feld %1 nicht gefunden.").arg(feld), kolvar::MessageIcon::Error);
        return;
    }
    const bool ersetzen = CheckBox1->isChecked();
    const bool alle = CheckBox2->isChecked();
    const QString gesucht = kolvar::foldAz(suchtext);

    // The bound controls would follow every step; they show the hit.
    t->disableControls();
    if (vonAnfang)
        t->first();
    else
        t->next();
    // A replacement in the sort field moves its record; never more steps than
    // records, so such a run cannot go round for ever.
    for (int schritt = 0; schritt <= t->recordCount(); ++schritt) {
        if (t->isEmpty() || t->eof())
            break;
        const QString text = t->value(pos);
        const qsizetype treffer = kolvar::foldAz(text).indexOf(gesucht);
        if (treffer >= 0) {
            if (ersetzen) {
                const QString neu = QString(text).replace(treffer, suchtext.size(), Edit2->text());
                // Posted at once: a replacement never waits in the edit buffer
                // for a move that may not come.
                if (!t->edit() || !t->setValue(pos, neu)) {
                    const QString meldung = feldfehler(*t, pos);
                    t->cancel();
                    t->enableControls();
                    kolvar::showMessage(meldung, kolvar::MessageIcon::Error);
                    return;
                }
                t->post();
            }
            if (!alle) {
                t->enableControls();
                return;
            }
        }
        t->next();
    }
    t->enableControls();
    if (!alle)
        kolvar::showMessage(QStringLiteral("Keine Übereinstimmung gefunden !"));
}
