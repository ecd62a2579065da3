#pragma once

#include "core/views/data_kind.h"
#include "core/edit/edit_outcome.h"

#include <QDialog>

class CMerionApp;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the three hand-editing dialogs share: labelled fields, the save and cancel buttons,
// and what follows a save (the refusal shown, or the list refreshed and, when editing, the
// dialog closed). A dialog keeps the mode it was opened in, so one captioned "Add" always adds.
class CRecordEditDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    Mode EditMode() const { return m_mode; }
    QPushButton* SaveButton() const { return m_save; }

public slots:
    void OnSave();

protected:
    // `kind` is the list shown after a successful save.
    CRecordEditDlg(CMerionApp& app, DataKind kind, Mode mode, const QString& caption, QWidget* parent);

    // A labelled text box, named `objectName`; its label is the field name and a colon.
    QLineEdit* AddField(const QString& objectName, const QString& fieldName, const QString& text);
    void AddNote(const QString& text);

    // Runs the core operation of this dialog in its mode.
    virtual EditOutcome SaveRecord() = 0;

    CMerionApp& App() const { return m_app; }

private:
    CMerionApp& m_app;
    DataKind m_kind;
    Mode m_mode;
    QVBoxLayout* m_layout;
    QFormLayout* m_fields;
    QPushButton* m_save;
};
