#include "tools/eingabedialog.h"

#include "shell/screenplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Eingabedialog::Eingabedialog(const QString& name, const QString& titel, const QStringList& beschriftungen,
                             const QSize& groesse, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(titel);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    auto* felder = new QVBoxLayout;
    for (int i = 0; i < beschriftungen.size(); ++i) {
        auto* label = new QLabel(beschriftungen[i], this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        label->setBuddy(edit);
        felder->addWidget(label);
        felder->addWidget(edit);
        labels << label;
        edits << edit;
    }

    ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("BitBtn2"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addStretch();
    layout->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(groesse);
}

void Eingabedialog::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}
