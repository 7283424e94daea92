#pragma once
// The small stay-on-top notice "Info". The program does not show it at start;
// the table editor shows it while it renumbers records and writes its own
// text into Label1.
#include <QWidget>

class QLabel;

class TInfoKolvar : public QWidget {
    Q_OBJECT
public:
    explicit TInfoKolvar(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
};

// The one instance, created at start-up.
extern TInfoKolvar* InfoKolvar;
