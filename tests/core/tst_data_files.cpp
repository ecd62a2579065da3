#include "core/install/data_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Help.pdf and the translations are found beside the program (build folder, portable copy) or,
// installed, under share/merion next to its bin folder.
class TestDataFiles : public QObject
{
    Q_OBJECT

private:
    static bool Touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }

private slots:
    void besideTheProgramThenTheInstalledDataFolder()
    {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));

        // Neither: the place beside the program, where a caller's existence check fails quietly.
        QCOMPARE(DataFilePathFrom(bin, QStringLiteral("Help.pdf")), bin + QStringLiteral("/Help.pdf"));

        const QString installed = prefix.filePath(QStringLiteral("share/merion/Help.pdf"));
        QVERIFY(Touch(installed));
        QCOMPARE(DataFilePathFrom(bin, QStringLiteral("Help.pdf")), installed);
        QVERIFY(Touch(prefix.filePath(QStringLiteral("share/merion/translations/merion_en.qm"))));
        QCOMPARE(DataFilePathFrom(bin, QStringLiteral("translations")),
                 prefix.filePath(QStringLiteral("share/merion/translations")));

        QVERIFY(Touch(bin + QStringLiteral("/Help.pdf")));
        QCOMPARE(DataFilePathFrom(bin, QStringLiteral("Help.pdf")), bin + QStringLiteral("/Help.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_data_files.moc"
