#pragma once

#include "core/views/data_kind.h"
#include "core/report/outcome.h"

#include <QDialog>
#include <QHash>

class CSession;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the three hand-editing dialogs share: labelled fields, the save and cancel buttons,
// and what follows a save (the refusal shown, or the list refreshed and, when editing, the
// dialog closed). A dialog keeps the mode it was opened in, so one captioned "Add" always adds.
// It works from the keyboard: it opens with the cursor in the first field it may change, Tab
// goes through the fields in order and then to the buttons, Enter saves and Esc cancels.
class CRecordEditDlg : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    Mode EditMode() const { return m_mode; }
    QPushButton* SaveButton() const { return m_save; }
    // The fields in order, top to bottom.
    const QList<QLineEdit*>& Fields() const { return m_edits; }

public slots:
    void OnSave();

protected:
    // `kind` is the list shown after a successful save.
    CRecordEditDlg(CSession& session, DataKind kind, Mode mode, const QString& caption, QWidget* parent);

    // A labelled text box, named `objectName`; its label is the field name and a colon.
    QLineEdit* AddField(const QString& objectName, const QString& fieldName, const QString& text);
    void AddNote(const QString& text);

    // Runs the core operation of this dialog in its mode.
    virtual Outcome SaveRecord() = 0;

    CSession& Session() const { return m_session; }

    void showEvent(QShowEvent* event) override;

private:
    CSession& m_session;
    DataKind m_kind;
    Mode m_mode;
    QVBoxLayout* m_layout;
    QFormLayout* m_fields;
    QPushButton* m_save;
    QPushButton* m_cancel;
    QList<QLineEdit*> m_edits;
    QHash<QString, QLineEdit*> m_byFieldName; // as a refusal names the field

    // Puts the cursor in the first field the user may change, its text selected for typing over.
    void FocusFirstField();
    // After a refusal: the cursor goes back to the field the refusal names (a number that is
    // not one), else to the first field, so the user mends what was wrong without hunting.
    void FocusFieldAtFault(const Outcome& refusal);
};
