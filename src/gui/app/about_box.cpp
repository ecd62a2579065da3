#include "gui/app/about_box.h"

#include "core/store/engine_sql.h"
#include "gui/app/app_texts.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowAboutBox(QWidget& parent)
{
    const QString text = QStringLiteral("<h3>MERION %1</h3><p>%2</p><p>%3</p><p>%4</p>")
                             .arg(QStringLiteral(MERION_VERSION),
                                  AppTexts::Title.Text().toHtmlEscaped(), AppTexts::Licence.Text().toHtmlEscaped(),
                                  AppTexts::Libraries.Arg(QString::fromLatin1(qVersion()), EngineSql::EngineVersion())
                                      .toHtmlEscaped());
    QMessageBox::about(&parent, AppTexts::AboutTitle, text);
}
