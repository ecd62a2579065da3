#include "cli_runner.h"
#include "core/edit/edit_texts.h"
#include "core/link/link_texts.h"
#include "file_bytes.h"
#include "modal_answers.h"
#include "gui/shell/command_actions.h"
#include "gui/app/main_frame.h"
#include "gui/app/ui_language.h"
#include "gui/views/plx_view.h"
#include "gui/views/view_texts.h"
#include "core/views/data_kind.h"
#include "started_app.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<UiLanguage>)

namespace
{
struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the desktop program itself with `arguments` in the locale `lang`.
ProgramRun RunProgram(const QString& lang, const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MERION_GUI_PATH), arguments);
    if (!program.waitForFinished(30000))
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

QStringList MenuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (const QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    return titles;
}
} // namespace

// Runs with LANG=en_US.UTF-8 (set in main before the application starts), as on an English
// desktop.
class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void theLanguageFollowsTheOptionThenTheSystem_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("system");
        QTest::addColumn<std::optional<UiLanguage>>("expected");
        const std::optional<UiLanguage> chinese = UiLanguage::Chinese;
        const std::optional<UiLanguage> english = UiLanguage::English;
        QTest::newRow("mainland China") << QString() << "zh_CN" << chinese;
        QTest::newRow("Taiwan") << QString() << "zh_TW" << chinese;
        QTest::newRow("Singapore Chinese") << QString() << "zh_SG" << chinese;
        QTest::newRow("United States") << QString() << "en_US" << english;
        QTest::newRow("Germany") << QString() << "de_DE" << english;
        QTest::newRow("no locale (C)") << QString() << "C" << english;
        QTest::newRow("--lang zh on an English system") << "zh" << "en_US" << chinese;
        QTest::newRow("--lang en on a Chinese system") << "en" << "zh_CN" << english;
        QTest::newRow("--lang fr") << "fr" << "zh_CN" << std::optional<UiLanguage>();
        QTest::newRow("--lang ZH is no language") << "ZH" << "en_US" << std::optional<UiLanguage>();
    }
    void theLanguageFollowsTheOptionThenTheSystem()
    {
        QFETCH(QString, option);
        QFETCH(QString, system);
        QFETCH(std::optional<UiLanguage>, expected);
        QCOMPARE(ChooseUiLanguage(option, QLocale(system)), expected);
    }

    void theLanguageOptionIsFoundBeforeParsing()
    {
        QCOMPARE(LanguageArgument({"merion", "--lang", "en"}), QStringLiteral("en"));
        QCOMPARE(LanguageArgument({"merion", "--database", "a.db", "--lang=zh"}), QStringLiteral("zh"));
        QCOMPARE(LanguageArgument({"merion", "--database", "a.db"}), QString());
        // A value that merely looks like the option, or follows "--", is no choice.
        QCOMPARE(LanguageArgument({"merion", "--database", "--language"}), QString());
        QCOMPARE(LanguageArgument({"merion", "--", "--lang", "en"}), QString());
        QCOMPARE(LanguageArgument({"merion", "--lang"}), QString());
    }

    void theWindowsSpeakEnglishOnAnEnglishSystem()
    {
        const std::optional<UiLanguage> language = ChooseUiLanguage(LanguageArgument(qApp->arguments()), QLocale::system());
        QCOMPARE(language, std::optional<UiLanguage>(UiLanguage::English));
        QVERIFY(InstallUiLanguage(*qApp, *language));

        CStartedApp started;
        QVERIFY(started.Start());
        CMainFrame& frame = *started.App().MainFrame();
        QVERIFY2(frame.windowTitle().endsWith(QStringLiteral(".db - Total Station Post-Processing")), qPrintable(frame.windowTitle()));
        QCOMPARE(MenuTitles(frame), (QStringList{"&File", "&Edit", "&Communication", "&Compute", "&View", "&Help"}));
        // Commands named in English take their key inside the word, as English menus do.
        QCOMPARE(frame.findChild<QAction*>(QStringLiteral("cmd_%1").arg(int(Command::Upload)))->text(),
                 QStringLiteral("&Upload..."));
        QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("messagePane"))->text(), QStringLiteral("For Help, press F1"));
        const QHeaderView* header = frame.findChild<QTableView*>()->horizontalHeader();
        QCOMPARE(header->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Point"));
        QCOMPARE(header->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("North (N)"));
        // The core's messages are shown in English too, with their values in place.
        QCOMPARE(EditTexts::NotANumber.Arg(EditTexts::North), QStringLiteral("North (N) must be a number!"));
        QCOMPARE(ViewTexts::RowCount(1), QStringLiteral("1 row"));
        QCOMPARE(ViewTexts::RowCount(1000000), QStringLiteral("1,000,000 rows"));
        QCOMPARE(LinkTexts::PortUnavailable(3), QStringLiteral("COM3 does not exist or is\nopen in another program!"));

        // A file reads the same whatever the interface speaks: the exported list keeps the
        // captions as written (GBK), not the English the header shows.
        QTemporaryDir folder;
        CPlxView& view = *started.App().View();
        view.ShowTable(DataKind::Code);
        WhenShown<QFileDialog>([&folder](QFileDialog* dialog) { Choose(dialog, folder.filePath("codes.csv")); });
        started.App().Commands().Run(Command::ListExport);
        // 序号,列表属性,编号,编码
        QCOMPARE(FileBytes(folder.filePath("codes.csv")),
                 QByteArray("\xd0\xf2\xba\xc5,\xc1\xd0\xb1\xed\xca\xf4\xd0\xd4,\xb1\xe0\xba\xc5,\xb1\xe0\xc2\xeb\r\n"));
        QCOMPARE(started.Reporter().TakeMessages(), QStringList{"Data Export Success!"});
        started.Stop();
    }

    void theProgramStartsInTheSystemsLanguage()
    {
        const ProgramRun english = RunProgram(QStringLiteral("en_US.UTF-8"), {"--help"});
        QCOMPARE(english.exitCode, 0);
        QVERIFY2(english.out.contains(QStringLiteral("project database file")), qPrintable(english.out));
        const ProgramRun chinese = RunProgram(QStringLiteral("zh_CN.UTF-8"), {"--help"});
        QCOMPARE(chinese.exitCode, 0);
        QVERIFY2(chinese.out.contains(QStringLiteral("项目数据库文件")), qPrintable(chinese.out));
        // Qt's own words (the parser's "Usage:") follow the program's language.
        QVERIFY(english.out.startsWith(QStringLiteral("Usage:")));
        QVERIFY2(!chinese.out.contains(QStringLiteral("Usage:")), qPrintable(chinese.out));
    }

    void theLanguageOptionOverridesTheSystem()
    {
        QVERIFY(RunProgram(QStringLiteral("zh_CN.UTF-8"), {"--lang", "en", "--help"}).out.contains("project database file"));
        QVERIFY(RunProgram(QStringLiteral("en_US.UTF-8"), {"--lang=zh", "--help"}).out.contains("项目数据库文件"));
        const ProgramRun unknown = RunProgram(QStringLiteral("en_US.UTF-8"), {"--lang", "fr"});
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY2(unknown.err.contains(QStringLiteral("Unknown interface language \"fr\": use zh or en.")),
                 qPrintable(unknown.err));
    }

    // Scripts read merion-cli's words: they stay as written, whatever the locale.
    void theCommandLineKeepsItsWords()
    {
        QTemporaryDir dir;
        const CliRun run = RunCli(dir.filePath("project.db"), {"settings", "--stop-bits", "1.5"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.Err().contains(QStringLiteral("此系统的串口没有1.5位停止位")), qPrintable(run.Err()));
    }
};

int main(int argc, char* argv[])
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    qputenv("LANG", "en_US.UTF-8");
    QApplication application(argc, argv);
    TestUiLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_language.moc"
