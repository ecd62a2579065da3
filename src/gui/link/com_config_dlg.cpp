#include "gui/link/com_config_dlg.h"

#include "core/link/link_texts.h"
#include "gui/link/com_config_texts.h"
#include "gui/toolkit/dialog_parts.h"
#include "core/link/serial_port.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int PortCount = 6;
constexpr int BaudCount = 8;

// A code the lists do not offer leaves the list at its default entry.
void SelectOrKeep(QComboBox* list, int position)
{
    if (position >= 0 && position < list->count())
        list->setCurrentIndex(position);
}

void CheckOrKeep(QButtonGroup* group, int code)
{
    if (QAbstractButton* button = group->button(code))
        button->setChecked(true);
}
} // namespace

CComConfigDlg::CComConfigDlg(CProjectStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(ComConfigTexts::SettingsCaption);

    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("ComPort"));
    for (int port = 1; port <= PortCount; ++port)
        m_port->addItem(QStringLiteral("COM%1").arg(port));
    m_baud = new QComboBox(this);
    m_baud->setObjectName(QStringLiteral("BaudRate"));
    for (int index = 0; index < BaudCount; ++index)
        m_baud->addItem(QString::number(BaudRateFromIndex(index)));

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(ComConfigTexts::PortLabel, this), 0, 0);
    lists->addWidget(m_port, 0, 1);
    lists->addWidget(new QLabel(ComConfigTexts::BaudLabel, this), 1, 0);
    lists->addWidget(m_baud, 1, 1);

    auto* groups = new QGridLayout;
    AddGroup(groups, m_protocol, ComConfigTexts::ProtocolGroup, ComConfigTexts::ProtocolChoices);
    AddGroup(groups, m_dataBit, ComConfigTexts::DataBitsGroup, ComConfigTexts::DataBitChoices);
    QGroupBox* stopBits = AddGroup(groups, m_stopBit, ComConfigTexts::StopBitsGroup, ComConfigTexts::StopBitChoices);
    AddGroup(groups, m_parity, ComConfigTexts::ParityGroup, ComConfigTexts::ParityChoices);
    // Never pretend: the port opens "1.5" with two stop bits here, and the dialog says so in
    // plain sight rather than in a tip that shows only under the mouse.
    QLabel* halfStopBitNote = nullptr;
#ifndef _WIN32
    halfStopBitNote = new QLabel(LinkTexts::NoHalfStopBit, this);
    halfStopBitNote->setObjectName(QStringLiteral("halfStopBitNote"));
    halfStopBitNote->setWordWrap(true);
    stopBits->setToolTip(LinkTexts::NoHalfStopBit);
#else
    (void)stopBits;
#endif

    auto* ok = new QPushButton(ComConfigTexts::Ok, this);
    auto* cancel = new QPushButton(ComConfigTexts::Cancel, this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CComConfigDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttons = ButtonRow({ok, cancel});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(groups);
    if (halfStopBitNote)
        layout->addWidget(halfStopBitNote);
    layout->addLayout(buttons);

    Show(ReadComConfig(m_store).value);
}

QGroupBox* CComConfigDlg::AddGroup(QGridLayout* layout, QButtonGroup*& group, const QString& title,
                                   std::span<const ComConfigTexts::Choice> choices)
{
    auto* box = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(box);
    group = new QButtonGroup(this);
    for (const auto& [text, code] : choices)
    {
        auto* button = new QRadioButton(text, box);
        group->addButton(button, code);
        // As wide as its words: a click beside them, in a wide dialog, chooses nothing.
        column->addWidget(button, 0, Qt::AlignLeft);
    }
    column->addStretch();
    const int at = layout->count();
    layout->addWidget(box, at / 2, at % 2);
    return box;
}

void CComConfigDlg::Show(const ComConfig& config)
{
    // The defaults first, so a code out of range still leaves one choice in every group.
    const ComConfig defaults;
    m_port->setCurrentIndex(defaults.comPort - 1);
    m_baud->setCurrentIndex(defaults.baudRate);
    m_protocol->button(defaults.protocol)->setChecked(true);
    m_dataBit->button(defaults.dataBit)->setChecked(true);
    m_stopBit->button(defaults.stopBit)->setChecked(true);
    m_parity->button(defaults.parityBit)->setChecked(true);

    SelectOrKeep(m_port, config.comPort - 1);
    SelectOrKeep(m_baud, config.baudRate);
    CheckOrKeep(m_protocol, config.protocol);
    CheckOrKeep(m_dataBit, config.dataBit);
    CheckOrKeep(m_stopBit, config.stopBit);
    CheckOrKeep(m_parity, config.parityBit);
}

ComConfig CComConfigDlg::Chosen() const
{
    return ComConfig{m_port->currentIndex() + 1, m_baud->currentIndex(), m_protocol->checkedId(),
                     m_dataBit->checkedId(),     m_stopBit->checkedId(), m_parity->checkedId()};
}

void CComConfigDlg::OnOk()
{
    // A failed save has been reported; the dialog stays open so the user can try again.
    if (SaveComConfig(m_store, Chosen()).Succeeded())
        accept();
}
