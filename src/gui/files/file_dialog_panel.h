#pragma once

#include <QStringList>

class QComboBox;
class QFileDialog;
class QGridLayout;
class QWidget;

// The extra panel under Qt's own file dialog: rows of a label and a drop-down list.
// Makes `dialog` Qt's own, content-blind one (the native dialogs take no panel) and returns
// the panel's grid.
QGridLayout* AddFileDialogPanel(QFileDialog* dialog);

// From now on a name typed without extension gets that of the file type chosen in `dialog`.
void SuffixFromFileType(QFileDialog* dialog);

// Adds a labelled list as the next row of the panel; its first entry is selected.
QComboBox* AddPanelList(QGridLayout* panel, const QString& label, const QString& objectName,
                        const QStringList& entries);

// Empties `list` and fills it with `entries`, first entry selected.
void RefillList(QComboBox* list, const QStringList& entries);
