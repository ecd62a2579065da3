#include "core/link/link_texts.h"
#include "core/report/outcome.h"
#include "gui/app/main_frame.h"
#include "gui/app/ui_language.h"
#include "gui/shell/command_actions.h"
#include "gui/views/plx_view.h"
#include "started_app.h"
#include "words/result_words.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace
{
// The texts whose words the instrument-era program fixed, shown as written in either
// interface: its English messages, captions, list entries and file filters.
const QStringList FixedEnglishTexts = {
    "Wait Timeout", "Connect Timeout!", "Open file failed!", "Can not Create a file dialog!",
    "PT Name Can't Be Null!", "PT Name Already Exists,Please Rename!", "Delete All Records?", "Delete <%1> ?",
    "Data Export Success!", "Export Success!", "Memory Full,Max Records is 2999!", "Can not create a file path!",
    "Can not select a file path!", "Success!", "Export Data Success!",
    "COM%1 doesn't exist or be\nopened by another program!", "Upload Complete!", "Upload Timeout!",
    "Merion Application Already Running!", "Failed To Connect Database!\r\nError Message:%1", "Meas-Data",
    "Coor-Data", "Road Stake Out", "X-Sect Measurement", "Plane Alignment Element", "Plane Alignment", "Add Coor",
    "Coor Edit", "Add Code", "Code Edit", "Add", "Save", "None", "Folder Path", "(1) ID,Code ", "(1) Meas_Data",
    "(2) Coor_Data", "(3) Road Stake Out", "(4) X-Sect Measurement", "(5) Plain Alignment Element", "(1) ','",
    "(2) 'Space'", "(3) 'Tab'", "(0) Current List Data",
    "All  Files(*.*);;Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)", "Excel File(*.csv)",
    "Text Files(*.txt);;Data Files(*.dat);;Excel Files(*.csv)", "Text File(*.txt);;DAT File(*.dat)",
    "CSV File(*.csv);;Text File(*.txt);;DAT File(*.dat)"};

struct CatalogueText
{
    QString context;
    QString source;
    bool numerus = false;
};

// Every text the sources mark for translation, from the catalogue lupdate keeps.
QList<CatalogueText> Catalogue()
{
    QFile file(QStringLiteral(MERION_TRANSLATIONS_DIR "/merion_en.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<CatalogueText> texts;
    QString context;
    bool numerus = false;
    while (!xml.atEnd())
    {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        else if (xml.name() == u"source")
        {
            // A control character stands as <byte value="xd"/> inside the text.
            QString source;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == u"source"))
            {
                xml.readNext();
                if (xml.isCharacters())
                    source += xml.text();
                else if (xml.isStartElement() && xml.name() == u"byte")
                    source += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
            }
            texts << CatalogueText{context, source, numerus};
        }
    }
    return texts;
}

bool HasHan(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

// A text reads as English when it holds no Chinese and at least one English word: three
// letters or more, not all capitals (PT#, PCODE, COM and EPSG are names, not words). File
// suffixes (.csv) are no words either.
bool ReadsAsEnglish(const QString& text)
{
    if (HasHan(text))
        return false;
    static const QRegularExpression suffix(QStringLiteral("\\.[A-Za-z0-9]+"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QString plain = text;
    plain.remove(suffix);
    for (const QRegularExpressionMatch& match : word.globalMatch(plain))
        if (match.captured() != match.captured().toUpper())
            return true;
    return false;
}

QStringList Shown(const CatalogueText& text)
{
    const QByteArray context = text.context.toUtf8();
    const QByteArray source = text.source.toUtf8();
    if (!text.numerus)
        return {QCoreApplication::translate(context.constData(), source.constData())};
    return {QCoreApplication::translate(context.constData(), source.constData(), nullptr, 1),
            QCoreApplication::translate(context.constData(), source.constData(), nullptr, 2)};
}

void RemoveTranslations()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>())
    {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QString WithoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).section(QLatin1Char('\t'), 0, 0);
}

// Every text a window shows: its caption and tips, its labels, buttons, group titles, list
// entries, tabs, table headings and the actions of its menus.
QStringList TextsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* widget : widgets)
    {
        texts << widget->toolTip() << widget->statusTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* menu = qobject_cast<QMenu*>(widget))
            texts << menu->title();
        if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* table = qobject_cast<QTableView*>(widget); table && table->model())
            for (int i = 0; i < table->model()->columnCount(); ++i)
                texts << table->model()->headerData(i, Qt::Horizontal).toString();
    }
    for (const QAction* action : window->findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    QStringList shown;
    for (const QString& text : texts)
        if (!text.trimmed().isEmpty())
            shown << WithoutMnemonic(text);
    return shown;
}

// The main window, its context menus and the tool dialogs that open without data, as they
// stand in the installed language.
QStringList TextsOfTheWindows(CStartedApp& started)
{
    CMainFrame& frame = *started.App().MainFrame();
    QStringList texts = TextsOf(&frame);
    for (const ContextGroup group : {ContextGroup::ListEdit, ContextGroup::MeasExport, ContextGroup::V2MeasExport})
    {
        std::unique_ptr<QMenu> menu(started.App().Commands().CreateContextMenu(group, true, &frame));
        texts << TextsOf(menu.get());
    }
    for (const Command command : {Command::CommSettings, Command::Download, Command::Upload, Command::SdCard,
                                  Command::ShowCoor, Command::AddRecord})
        started.App().Commands().Run(command);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
        {
            texts << TextsOf(dialog);
            dialog->close();
        }
    return texts;
}
} // namespace

Q_DECLARE_METATYPE(UiLanguage)

class TestInterfaceWords : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        RemoveTranslations();
    }

    void theChineseInterfaceShowsNoEnglishButTheFixedTexts()
    {
        const QList<CatalogueText> catalogue = Catalogue();
        QVERIFY(catalogue.size() > 400);
        // Without a translation (merion-cli installs none) the shared words stay English.
        QCOMPARE(MessageOf(Outcome{Status::PortBusy}).text, QStringLiteral("The serial port is busy with another transfer!"));

        QVERIFY(InstallUiLanguage(*qApp, UiLanguage::Chinese));
        QStringList english;
        for (const CatalogueText& text : catalogue)
            for (const QString& shown : Shown(text))
                if (ReadsAsEnglish(shown) && !FixedEnglishTexts.contains(shown))
                    english << shown;
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("\n---\n"))));
        // The fixed texts stay exactly as written; the program's own words around them do not.
        QCOMPARE(MessageOf(Outcome{Status::PortBusy}).text, QStringLiteral("串口正忙于另一次传输！"));
        QCOMPARE(LinkTexts::PortUnavailable(3), QStringLiteral("COM3 doesn't exist or be\nopened by another program!"));
        QCOMPARE(LinkTexts::PortUnavailable(3, QStringLiteral("/dev/ttyUSB0")),
                 QStringLiteral("/dev/ttyUSB0 不存在或\n已被其他程序打开！"));
    }

    void theEnglishInterfaceShowsNoChinese()
    {
        QVERIFY(InstallUiLanguage(*qApp, UiLanguage::English));
        QStringList chinese;
        for (const CatalogueText& text : Catalogue())
            for (const QString& shown : Shown(text))
                if (HasHan(shown))
                    chinese << shown;
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
    }

    void theWindowsSpeakTheInterfaceLanguage_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("Chinese") << UiLanguage::Chinese;
        QTest::newRow("English") << UiLanguage::English;
    }
    void theWindowsSpeakTheInterfaceLanguage()
    {
        QFETCH(UiLanguage, language);
        QVERIFY(InstallUiLanguage(*qApp, language));
        CStartedApp started;
        QVERIFY(started.Start());
        const QStringList texts = TextsOfTheWindows(started);
        started.Stop();
        QVERIFY(texts.size() > 100);
        QStringList foreign;
        for (const QString& text : texts)
        {
            const bool wrong = language == UiLanguage::Chinese ? ReadsAsEnglish(text) && !FixedEnglishTexts.contains(text)
                                                               : HasHan(text);
            if (wrong)
                foreign << text;
        }
        foreign.removeDuplicates();
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestInterfaceWords)
#include "tst_interface_words.moc"
