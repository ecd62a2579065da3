#pragma once

#include <QDialog>

class CSession;
class QComboBox;
class QLineEdit;

// "SD卡文件保存路径": where the coordinate list goes as an SD-card job (a new folder) and as
// which job. Modeless; closes after a save that worked, stays open otherwise.
class CSdCardDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSdCardDlg(CSession& session, QWidget* parent = nullptr);

private:
    void OnBrowse();
    void OnSave();

    CSession& m_session;
    QComboBox* m_instrument;
    QLineEdit* m_folderPath;
    QLineEdit* m_folderName;
    QComboBox* m_job;
    QString m_rememberedFolder;
};
