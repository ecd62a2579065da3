#include "gui/compute/known_source.h"

#include "core/compute/setup_reader.h"
#include "core/results/result_store.h"
#include "gui/compute/compute_dialog_texts.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace
{
enum Choice { FromJob, FromList, FromFile };
} // namespace

CKnownSource::CKnownSource(QWidget* parent) : QWidget(parent)
{
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("knownChoice"));
    m_choice->addItems({ComputeDialogTexts::KnownFromJob, ComputeDialogTexts::KnownFromList, ComputeDialogTexts::KnownFromFile});
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("knownFile"));
    m_browse = new QPushButton(ComputeDialogTexts::Browse, this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_choice);
    layout->addWidget(m_path, 1);
    layout->addWidget(m_browse);
    const auto follow = [this] {
        const bool file = m_choice->currentIndex() == FromFile;
        m_path->setEnabled(file);
        m_browse->setEnabled(file);
        emit Changed();
    };
    connect(m_choice, &QComboBox::currentIndexChanged, this, follow);
    connect(m_path, &QLineEdit::textChanged, this, &CKnownSource::Changed);
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, {}, m_path->text(), ComputeDialogTexts::FileFilter);
        if (!path.isEmpty())
            m_path->setText(path);
    });
    follow();
}

Outcome CKnownSource::Read(CProjectStore& store, const QList<Setup>& setups, QList<KnownPoint>& known) const
{
    switch (m_choice->currentIndex())
    {
    case FromList: return ReadKnownFromList(store, known);
    case FromFile: return ReadKnownFromFile(m_path->text(), known);
    default: break;
    }
    known = ControlOfJob(setups);
    return Status::Done;
}

void CKnownSource::PreferList()
{
    m_choice->setCurrentIndex(FromList);
}

bool CKnownSource::NamesKnownPoints() const
{
    return m_choice->currentIndex() != FromJob;
}
