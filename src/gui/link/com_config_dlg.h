#pragma once

#include "core/link/com_config.h"
#include "gui/link/com_config_texts.h"

#include <QDialog>

#include <span>

class CProjectStore;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QGridLayout;

// The serial settings ("通讯配置"): shows the stored row (or the defaults) and replaces it on OK.
class CComConfigDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CComConfigDlg(CProjectStore& store, QWidget* parent = nullptr);

private slots:
    void OnOk();

private:
    QGroupBox* AddGroup(QGridLayout* layout, QButtonGroup*& group, const QString& title,
                        std::span<const ComConfigTexts::Choice> choices);
    void Show(const ComConfig& config);
    ComConfig Chosen() const;

    CProjectStore& m_store;
    QComboBox* m_port = nullptr;
    QComboBox* m_baud = nullptr;
    QButtonGroup* m_protocol = nullptr;
    QButtonGroup* m_dataBit = nullptr;
    QButtonGroup* m_stopBit = nullptr;
    QButtonGroup* m_parity = nullptr;
};
