#pragma once
// The file names of window pictures for HTML output: a number from 1000 to
// 499999 drawn at random, followed by ".jpg".
#include <QString>

class Thtmldlg;

namespace kolvar {

// Seeds the random numbers and draws a picture name that no file in ordner
// (with or without its trailing separator) has yet, so a new picture never
// replaces an older one. Empty when every name is taken.
QString zufallsbildname(const QString& ordner);

// The folder the dialog writes its pictures into: that of its current page.
QString bildordner(const Thtmldlg& dialog);

} // namespace kolvar
