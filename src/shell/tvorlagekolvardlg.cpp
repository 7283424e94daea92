#include "shell/tvorlagekolvardlg.h"

TVorlagekolvarDlg* VorlagekolvarDlg = nullptr;

TVorlagekolvarDlg::TVorlagekolvarDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("VorlagekolvarDlg"));
}
