#include "tools/tgriechform.h"

#include "platform/symbolfont.h"
#include "shell/screenplacement.h"

#include <QPlainTextEdit>
#include <QPushButton>

Tgriechform* griechform = nullptr;

namespace {

constexpr int kBuchstabenJePaar = 8;

QPlainTextEdit* memo(QWidget* parent, const char* name, const QFont& schrift, const QRect& lage)
{
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QLatin1String(name));
    m->setReadOnly(true);
    m->setFont(schrift);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = m->palette();
    p.setColor(QPalette::Base, QColor(192, 192, 192));
    p.setColor(QPalette::Text, Qt::black);
    m->setPalette(p);
    m->setGeometry(lage);
    return m;
}

} // namespace

const QList<Tgriechform::Buchstabe>& Tgriechform::buchstaben()
{
    static const QList<Buchstabe> liste{
        {'a', "Alpha"}, {'b', "Beta"},  {'g', "Gamma"},   {'d', "Delta"},  {'e', "Epsilon"}, {'z', "Zeta"},
        {'h', "Eta"},   {'q', "Theta"}, {'i', "Jota"},    {'k', "Kappa"},  {'l', "Lambda"},  {'m', "My"},
        {'n', "Ny"},    {'x', "Xi"},    {'o', "Omikron"}, {'p', "Pi"},     {'r', "Rho"},     {'s', "Sigma"},
        {'t', "Tau"},   {'u', "Ypsilon"}, {'f', "Phi"},   {'c', "Chi"},    {'y', "Psi"},     {'w', "Omega"},
    };
    return liste;
}

Tgriechform::Tgriechform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("griechform"));
    setWindowTitle(QStringLiteral("Griechisches Alphabet"));
    QFont dialogschrift;
    dialogschrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    dialogschrift.setPointSize(8);
    dialogschrift.setBold(true);
    setFont(dialogschrift);
    QPalette silber = palette();
    silber.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silber);
    setAutoFillBackground(true);

    QFont roman(QStringLiteral("Times New Roman"));
    roman.setPixelSize(24);
    roman.setBold(false);
    const QFont symbol = kolvar::symbolFont(roman);

    // Each row shows the small and the capital letter beside the name, so
    // that a letter and its name always stand on the same line.
    QPlainTextEdit** paare[3][2] = {{&Memo1, &Memo2}, {&Memo3, &Memo4}, {&Memo5, &Memo6}};
    const char* namen[3][2] = {{"Memo1", "Memo2"}, {"Memo3", "Memo4"}, {"Memo5", "Memo6"}};
    for (int paar = 0; paar < 3; ++paar) {
        QStringList tasten, texte;
        for (int i = 0; i < kBuchstabenJePaar; ++i) {
            const Buchstabe& b = buchstaben()[paar * kBuchstabenJePaar + i];
            const QChar klein = QLatin1Char(b.taste);
            tasten << kolvar::symbolToUnicode(QString(klein) + QStringLiteral("  ") + klein.toUpper());
            texte << QLatin1String(b.name);
        }
        if (paar == 2)
            texte << QString();
        const int x = 16 + paar * 192;
        *paare[paar][0] = memo(this, namen[paar][0], symbol, QRect(x, 16, 55, 232));
        *paare[paar][1] = memo(this, namen[paar][1], roman, QRect(x + 55, 16, 117, 232));
        (*paare[paar][0])->setPlainText(tasten.join(QLatin1Char('\n')));
        (*paare[paar][1])->setPlainText(texte.join(QLatin1Char('\n')));
    }

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(259, 270, 75, 33);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(593, 323);
    kolvar::placeAtScreenCentre(*this);
}
