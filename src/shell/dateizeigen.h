#pragma once
// Opening a document (help page, output page) with the desktop's associated
// program. Used by the main window and by every window's help command.
#include <QString>

class QWidget;

// Opens document in its own directory as the working directory. "\" and "/"
// both separate folders. The path is handed on whole, however long. Returns
// false when nothing could be started; the callers report nothing then.
bool dateizeigen(QWidget* fenster, const QString& dokument);
