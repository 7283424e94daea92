// The one owner of the run-time windows: windows closed in every order free
// themselves (a maker takes its "Neu" windows along), and whatever is left
// ends newest first when the owner frees it.
#include "shell/fensterbesitz.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using kolvar::Fensterbesitz;
using kolvar::Zugehoerigkeit;

namespace {

// Made in this order: two windows of the main window, a "Neu" window of the
// second and a program output window the second made.
const std::array<const char*, 4> kNamen{"H1", "H2", "N", "P"};

} // namespace

TEST(Fensterbesitz, WindowsClosedInAnyOrderGoWithTheirNeuWindowsAndTheRestEndNewestFirst)
{
    std::array<int, 4> reihenfolge{0, 1, 2, 3};
    do {
        for (int geschlossen = 0; geschlossen <= 4; ++geschlossen) {
            QStringList ende;
            QStringList erwartet; // the end of the rest, newest first
            {
                Fensterbesitz besitz;
                std::array<QPointer<QWidget>, 4> w;
                for (int i = 0; i < 4; ++i) {
                    w[i] = new QWidget;
                    w[i]->setAttribute(Qt::WA_DeleteOnClose);
                    const QString name = QString::fromLatin1(kNamen[i]);
                    QObject::connect(w[i], &QObject::destroyed, [&ende, name] { ende << name; });
                }
                besitz.aufnehmen(w[0]);
                besitz.aufnehmen(w[1], Zugehoerigkeit::Hauptfenster);
                besitz.aufnehmen(w[2], Zugehoerigkeit::Erzeuger, w[1]);
                besitz.aufnehmen(w[3], Zugehoerigkeit::Programm, w[1]);

                for (int k = 0; k < geschlossen; ++k) {
                    if (w[reihenfolge[k]])
                        w[reihenfolge[k]]->close();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                }
                const bool h2zu = w[1].isNull();
                for (int i = 0; i < 4; ++i) {
                    const bool zu = std::find(reihenfolge.begin(), reihenfolge.begin() + geschlossen, i)
                                        != reihenfolge.begin() + geschlossen
                                    || (i == 2 && h2zu);
                    EXPECT_EQ(w[i].isNull(), zu) << kNamen[i];
                }
                QList<QWidget*> eigene;
                for (int i : {0, 1})
                    if (w[i])
                        eigene << w[i].data();
                EXPECT_EQ(besitz.fenster(Zugehoerigkeit::Hauptfenster), eigene);
                for (int i = 3; i >= 0; --i)
                    if (w[i])
                        erwartet << QString::fromLatin1(kNamen[i]);
                ende.clear();
            } // the owner ends
            EXPECT_EQ(ende, erwartet);
        }
    } while (std::next_permutation(reihenfolge.begin(), reihenfolge.end()));
}
