#include "shell/tinfokolvar.h"

#include "shell/screenplacement.h"

#include <QLabel>
#include <QVBoxLayout>

TInfoKolvar* InfoKolvar = nullptr;

TInfoKolvar::TInfoKolvar(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("InfoKolvar"));
    setWindowTitle(QStringLiteral("Info"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    Label1 = new QLabel(QStringLiteral("Kolvarfenster wird erzeugt."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);
    QFont bold = Label1->font();
    bold.setPixelSize(16);
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(Label1);
    resize(300, 80);
    kolvar::placeAtScreenCentre(*this);
}
