#include "gui/geodesy/transform_dialog.h"

#include "gui/files/shown_list.h"
#include "gui/geodesy/geodesy_dialog_texts.h"
#include "gui/geodesy/system_choice.h"
#include "gui/shell/result_report.h"
#include "gui/shell/session.h"
#include "gui/toolkit/dialog_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CTransformDialog::CTransformDialog(CSession& session, const CoordinateSystem& from, QWidget* parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("transformDialog"));
    setWindowTitle(GeodesyDialogTexts::TransformTitle);
    auto* now = new QLabel(GeodesyDialogTexts::Current.Arg(DescriptionOf(from)), this);
    now->setWordWrap(true);
    auto* target = new QGroupBox(GeodesyDialogTexts::Target, this);
    m_choice = new CSystemChoice(GeographicOf(from), target);
    (new QVBoxLayout(target))->addWidget(m_choice);

    m_replace = new QRadioButton(GeodesyDialogTexts::ReplaceList, this);
    m_replace->setObjectName(QStringLiteral("replaceList"));
    m_replace->setChecked(true);
    m_toFile = new QRadioButton(GeodesyDialogTexts::ToFile, this);
    m_toFile->setObjectName(QStringLiteral("toFile"));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("outputFile"));
    m_browse = new QPushButton(GeodesyDialogTexts::Browse, this);
    m_factors = new QCheckBox(GeodesyDialogTexts::WithFactors, this);
    m_factors->setObjectName(QStringLiteral("factors"));
    connect(m_toFile, &QRadioButton::toggled, this, &CTransformDialog::FollowOutput);
    connect(m_browse, &QPushButton::clicked, this, [this] {
        const QString path = AskSavePath(*this, m_session, GeodesyDialogTexts::CsvFilter, QStringLiteral("csv"));
        if (!path.isEmpty())
            m_path->setText(path);
    });

    auto* file = new QHBoxLayout;
    file->addWidget(m_toFile);
    file->addWidget(m_path, 1);
    file->addWidget(m_browse);
    auto* factors = new QHBoxLayout;
    factors->setContentsMargins(24, 0, 0, 0);
    factors->addWidget(m_factors);
    StackParts(*this, {now, target, m_replace, file, factors, DialogButtons(*this)});
    FollowOutput();
    resize(660, sizeHint().height());
}

void CTransformDialog::FollowOutput()
{
    const bool file = m_toFile->isChecked();
    m_path->setEnabled(file);
    m_browse->setEnabled(file);
    m_factors->setEnabled(file);
}

bool CTransformDialog::ToFile() const
{
    return m_toFile->isChecked();
}

QString CTransformDialog::Path() const
{
    return m_path->text().trimmed();
}

bool CTransformDialog::Factors() const
{
    return ToFile() && m_factors->isChecked();
}

void CTransformDialog::accept()
{
    if (const Outcome chosen = m_choice->Chosen(m_target); !chosen.Succeeded())
        return ReportOutcome(m_session.Reporter(), chosen);
    // A typed name passes the same guard as a browsed one.
    if (ToFile() && (Path().isEmpty() || !AcceptChosenFile(m_session, Path())))
    {
        m_path->setFocus();
        return;
    }
    QDialog::accept();
}
