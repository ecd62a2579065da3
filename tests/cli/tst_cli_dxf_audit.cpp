#include "cli_runner.h"
#include "test_database.h"

#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTest>

// A drawing made from whatever names and codes a list holds must read as a sound drawing:
// Debian's ezdxf (python3-ezdxf) audits it and finds nothing wrong, every point is there, the
// names keep their words, and each code has a layer of its own that no other code shares in
// any case.
class TestCliDxfAudit : public QObject
{
    Q_OBJECT

private:
    // Prints the audit's error count, then one line per POINT (its layer) and per TEXT (its words).
    static constexpr const char* Audit = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
for error in auditor.errors:
    print("error:", error.message, file=sys.stderr)
print(len(auditor.errors))
msp = doc.modelspace()
for entity in msp:
    if entity.dxftype() == "POINT":
        print("POINT\t" + entity.dxf.layer)
    elif entity.dxftype() == "TEXT":
        print("TEXT\t" + entity.dxf.text)
)";

private slots:
    void hostileNamesAndCodesMakeASoundDrawing()
    {
        QProcess probe;
        probe.start("/usr/bin/python3", {"-c", "import ezdxf"});
        if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            QSKIP("python3-ezdxf is not installed (scripts/setup-debian.sh installs it)");

        const QList<QPair<QString, QString>> points = {
            {"X\r\n  0\r\nEOF", "tree"},     // would end the drawing at its own EOF
            {"line\nfeed", "TREE"},          // one character apart from "tree" in case only
            {"tab\tand\x01\x7f.", "A/B"},    // control characters; A/B and A:B clean alike
            {"P4", "A:B"},
            {"P5", QString::fromUtf8("\xf0\x9f\x98\x80")},       // beyond the basic plane
            {"P6", QString::fromUtf8("\xf0\x9d\x94\xb8")},       // another one, cleaned alike
            {"P7", "0"},                      // not the layer of points without a code
            {"P8", ""},
            {"P9", "Defpoints"},             // the layer CAD programs never plot
            {QString::fromUtf8("\xed\x95\x9c"), QString::fromUtf8("\xed\x95\x9c")}, // no GBK character
            {QString::fromUtf8("\xe6\xa0\x91"), QString::fromUtf8("\xe6\xa0\x91")}, // 树
            {"P12", "C\r\nD"},
            {"P13", "tree"},                 // shares the first point's layer
            {"P14", "a|b<c>=d"},
            {QString::fromUtf8("\xc7\x85"), QString::fromUtf8("\xc7\x86")}, // Dž and dž: title and lower case
            {"P16", QString::fromUtf8("\xc7\x84")},
        };
        CTestDatabase db;
        int id = 0;
        for (const auto& [name, code] : points)
            QVERIFY(RunStatement(db.Store(), "insert into CoorEdit (ID,ATTR,SN,NCOOR,ECOOR,ZCOOR,CODE) values (?,?,?,?,?,?,?)",
                                 {++id, "Manual_Input_Data", name, 100.0 + id, 200.0 + id, 1.5, code}));
        const QString drawing = db.FilePath("plan.dxf");
        const CliRun made = RunCli(db.Path(), {"export", "dxf", drawing, "--kind", "coor"});
        QCOMPARE(made.exitCode, 0);

        QProcess audit;
        audit.start("/usr/bin/python3", {"-c", Audit, drawing});
        QVERIFY(audit.waitForFinished(30000));
        const QString errors = QString::fromUtf8(audit.readAllStandardError());
        QVERIFY2(audit.exitCode() == 0, qPrintable(errors));
        QStringList lines = QString::fromUtf8(audit.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.takeFirst() == "0", qPrintable(errors));

        QStringList layers;
        QStringList texts;
        for (const QString& line : lines)
            (line.startsWith("POINT\t") ? layers : texts) << line.section('\t', 1);
        QCOMPARE(layers.size(), points.size());
        QCOMPARE(texts.size(), points.size()); // every point has a name here
        // Line breaks and control characters became blanks; the words stay.
        QCOMPARE(texts[0], QStringLiteral("X    0  EOF"));
        QCOMPARE(texts[1], QStringLiteral("line feed"));
        QCOMPARE(texts[2], QStringLiteral("tab and  ."));
        QCOMPARE(texts[10], QString::fromUtf8("\xe6\xa0\x91"));

        // One layer per code: the same code, the same layer; another code, a layer that differs
        // in more than case.
        QHash<QString, QString> layerOfCode;
        QSet<QString> taken;
        for (qsizetype i = 0; i < points.size(); ++i)
        {
            const QString code = points[i].second.trimmed();
            if (code.isEmpty())
            {
                QCOMPARE(layers[i], QStringLiteral("0"));
                continue;
            }
            if (layerOfCode.contains(code))
            {
                QCOMPARE(layers[i], layerOfCode[code]);
                continue;
            }
            QVERIFY2(!taken.contains(layers[i].toLower()), qPrintable(layers[i]));
            QVERIFY(layers[i].compare("0") != 0 && layers[i].compare("defpoints", Qt::CaseInsensitive) != 0);
            layerOfCode.insert(code, layers[i]);
            taken.insert(layers[i].toLower());
        }
        QCOMPARE(layerOfCode.size(), 14);
        QCOMPARE(layerOfCode["tree"], QStringLiteral("tree"));
        QCOMPARE(layerOfCode[QString::fromUtf8("\xe6\xa0\x91")], QString::fromUtf8("\xe6\xa0\x91"));
    }
};

QTEST_GUILESS_MAIN(TestCliDxfAudit)
#include "tst_cli_dxf_audit.moc"
