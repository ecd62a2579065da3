#pragma once

class QWidget;

// The About box: the program's version, its licence, and the versions of Qt and SQLite it
// runs on (the libraries found at run time, which are what a fault report needs).
void ShowAboutBox(QWidget& parent);
