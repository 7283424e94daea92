#include "shell/tzahlenform.h"

#include "platform/numbers.h"
#include "platform/seams.h"
#include "shell/dateizeigen.h"
#include "shell/screenplacement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

Tzahlenform* zahlenform = nullptr;

namespace {

QListWidget* grauesListenfeld(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QPalette p = list->palette();
    p.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    list->setPalette(p);
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

// Room for count rows of list without a vertical scroll bar.
int listenhoehe(const QListWidget* list, int count)
{
    const int zeile = qMax(list->sizeHintForRow(0), list->fontMetrics().height());
    return zeile * count + 2 * list->frameWidth() + 2;
}

} // namespace

QStringList Tzahlenform::vorgaben()
{
    return {QStringLiteral("0.0"),        QStringLiteral("0.00"),          QStringLiteral("0.000"),
            QStringLiteral("0.0000"),     QStringLiteral("0.000000"),      QStringLiteral("0.0E-0"),
            QStringLiteral("0.00E-0"),    QStringLiteral("0.000E-0"),      QStringLiteral("0.000E-00"),
            QStringLiteral("0.0000000E-00"), QStringLiteral("##0.######"), QStringLiteral("##0.#########E-00")};
}

QStringList Tzahlenform::beispiele()
{
    return {QStringLiteral("123,78676"), QStringLiteral("23434,353453"), QStringLiteral("1e-6"),
            QStringLiteral("0,0000004"), QStringLiteral("-34,56744"),    QStringLiteral("1000000"),
            QStringLiteral("1,00000034")};
}

Tzahlenform::Tzahlenform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("zahlenform"));
    setWindowTitle(QStringLiteral("Zahlenformat"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    Label1 = new QLabel(QStringLiteral("Formatierung wählen:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    FormatEdit = new QLineEdit(this);
    FormatEdit->setObjectName(QStringLiteral("FormatEdit"));
    Label1->setBuddy(FormatEdit);
    FormatEditListe = new QListWidget(this);
    FormatEditListe->setObjectName(QStringLiteral("FormatEditListe"));
    FormatEditListe->addItems(vorgaben());
    FormatEditListe->setFixedHeight(listenhoehe(FormatEditListe, 12));

    Label2 = new QLabel(QStringLiteral("Beispiele: Unformatiert ------------  Formatiert"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Unform = grauesListenfeld(this, QStringLiteral("Unform"));
    Unform->addItems(beispiele());
    Form = grauesListenfeld(this, QStringLiteral("Form"));
    // Room for a horizontal scroll bar, which long formatted values bring.
    Unform->setFixedHeight(listenhoehe(Unform, 7) + Unform->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Form->setFixedHeight(Unform->height());

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("&Hilfe"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));

    // The angle choice exists but is not offered: hidden and disabled.
    GroupBox1 = new QGroupBox(QStringLiteral("Winkelberechnungen "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("Bogenmaß "), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Grad (360°)"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(QStringLiteral("Neugrad (400°)"), GroupBox1);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    auto* winkel = new QVBoxLayout(GroupBox1);
    for (QRadioButton* r : {RadioButton1, RadioButton2, RadioButton3}) {
        winkel->addWidget(r);
        r->setVisible(false);
        r->setEnabled(false);
    }
    GroupBox1->setVisible(false);
    GroupBox1->setEnabled(false);

    auto* links = new QVBoxLayout;
    links->addWidget(Label1);
    links->addWidget(FormatEdit);
    links->addWidget(FormatEditListe);
    links->addSpacing(6);
    links->addWidget(Label2);
    auto* beispielzeile = new QHBoxLayout;
    beispielzeile->addWidget(Unform);
    beispielzeile->addWidget(Form);
    links->addLayout(beispielzeile);
    links->addWidget(GroupBox1);

    auto* rechts = new QVBoxLayout;
    rechts->addSpacing(Label1->sizeHint().height() + 4);
    rechts->addWidget(BitBtn1);
    rechts->addWidget(BitBtn2);
    rechts->addWidget(BitBtn3);
    rechts->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(rechts);

    connect(FormatEdit, &QLineEdit::textChanged, this, &Tzahlenform::FormatEditChange);
    connect(FormatEditListe, &QListWidget::itemClicked, this, &Tzahlenform::presetClicked);
    // A keyboard user takes a preset as a click does: moving with the arrow
    // keys fills the edit line (the list follows typed presets with its
    // signals blocked, so only the person's moves arrive here), and Enter
    // takes the preset before the dialog's OK acts on it.
    connect(FormatEditListe, &QListWidget::currentRowChanged, this, &Tzahlenform::presetClicked);
    connect(FormatEditListe, &QListWidget::activated, this, &Tzahlenform::presetClicked);
    connect(BitBtn1, &QPushButton::clicked, this, &Tzahlenform::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn3, &QPushButton::clicked, this, &Tzahlenform::BitBtn3Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &Tzahlenform::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &Tzahlenform::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &Tzahlenform::RadioButton3Click);

    // FormCreate
    zahlenformat = QStringLiteral("0.00E-0");
    winkelmodus = 1;
    winkelwahl = 1;
    FormatEdit->setText(zahlenformat);

    Unform->setMinimumWidth(150);
    Form->setMinimumWidth(150);
    setFixedSize(QSize(440, sizeHint().height()));
}

void Tzahlenform::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
    FormActivate();
}

void Tzahlenform::FormActivate()
{
    FormatEdit->setText(zahlenformat);
    FormatEditChange();
}

void Tzahlenform::presetClicked()
{
    if (QListWidgetItem* item = FormatEditListe->currentItem())
        FormatEdit->setText(item->text());
}

void Tzahlenform::FormatEditChange()
{
    const QString muster = FormatEdit->text();
    // Like a simple combo box, the list follows a typed preset.
    const QList<QListWidgetItem*> gleich = FormatEditListe->findItems(muster, Qt::MatchExactly);
    {
        const QSignalBlocker folgt(FormatEditListe);
        FormatEditListe->setCurrentItem(gleich.isEmpty() ? nullptr : gleich.first());
    }

    Form->clear();
    for (int i = 0; i < Unform->count(); ++i) {
        const QString text = Unform->item(i)->text();
        long double wert = 0;
        if (!kolvar::parseFloat(text, wert)) {
            // The lines done so far stay; the rest of the samples is left out.
            kolvar::showMessage(QLatin1Char('\'') + text
                                    + QStringLiteral("' ist kein gültiger Gleitkommawert"),
                                kolvar::MessageIcon::Error);
            return;
        }
        QString ergebnis = kolvar::formatFloat(muster, wert);
        // A pattern of nothing but literal text may make nothing of a number;
        // the sample then shows its value, never an empty line.
        if (ergebnis.isEmpty())
            ergebnis = kolvar::formatFloat(QString(), wert);
        Form->addItem(ergebnis);
    }
}

void Tzahlenform::BitBtn1Click()
{
    zahlenformat = FormatEdit->text();
    winkelmodus = winkelwahl;
    accept();
}

void Tzahlenform::BitBtn3Click()
{
    dateizeigen(this, m_verzeichnis + QStringLiteral("hilfe\\index.htm"));
}
