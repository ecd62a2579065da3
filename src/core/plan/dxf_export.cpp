#include "core/plan/dxf_export.h"

#include "core/files/atomic_file.h"
#include "core/text/gbk_codec.h"
#include "core/store/project_files.h"
#include "core/store/project_store.h"
#include "core/views/data_kind.h"

#include <QSet>

#include <algorithm>

namespace
{
// The height of the labels in drawing units (metres): 2 mm at 1:500, the usual survey plot.
constexpr double TextHeight = 1.0;
constexpr double TextOffset = 0.5;
constexpr int MaxLayerName = 255;

// Group codes and values, one per line, as ASCII DXF has them; every object gets a handle.
class CDxfOut
{
public:
    explicit CDxfOut(CAtomicFile& out) : m_out(out) {}

    void Pair(int code, const QString& value)
    {
        m_out.Write(QByteArray::number(code) + "\r\n" + DrawingText(value) + "\r\n");
    }

    // A text as the drawing's code page (GBK, declared as ANSI_936) has it. A character GBK
    // lacks is written as the \\U+XXXX escape that CAD programs read in every version.
    QByteArray DrawingText(QString text)
    {
        // A value is one line of the file: a line break or another control character in it
        // would end it and start a group code of its own (a name "X\r\n  0\r\nEOF" would end
        // the drawing). Each becomes a blank.
        for (QChar& c : text)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                c = QLatin1Char(' ');
        const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii)
            return text.toLatin1();
        // Without a converter nothing is carried as it is: every character goes as its escape.
        const std::optional<QByteArray> whole = m_gbk.Encode(text);
        if (whole && m_gbk.Decode(*whole) == text)
            return *whole;
        QByteArray bytes;
        for (const QChar c : text)
        {
            // The escape has four digits: a character beyond them stays unknown.
            if (c.isSurrogate())
            {
                if (c.isHighSurrogate())
                    bytes += '?';
                continue;
            }
            if (m_gbk.Holds(QStringView(&c, 1)))
                bytes += *m_gbk.Encode(QStringView(&c, 1));
            else
                bytes += QStringLiteral("\\U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper().toLatin1();
        }
        return bytes;
    }
    void Pair(int code, int value) { Pair(code, QString::number(value)); }
    void Number(int code, double value) { Pair(code, QString::number(value, 'g', 15)); }
    // A new handle, written with code 5 (or 105 for a dimension style), and given back.
    QString Handle(int code = 5)
    {
        const QString handle = QString::number(m_nextHandle++, 16).toUpper();
        Pair(code, handle);
        return handle;
    }
    int NextHandle() const { return m_nextHandle; }

    void Section(const char* name)
    {
        Pair(0, QStringLiteral("SECTION"));
        Pair(2, QString::fromLatin1(name));
    }
    void EndSection() { Pair(0, QStringLiteral("ENDSEC")); }
    // A symbol table with its entries written by `entries`.
    template <typename Entries>
    void Table(const char* name, int count, Entries entries)
    {
        Pair(0, QStringLiteral("TABLE"));
        Pair(2, QString::fromLatin1(name));
        const QString table = Handle();
        Pair(330, QStringLiteral("0"));
        Pair(100, QStringLiteral("AcDbSymbolTable"));
        Pair(70, count);
        entries(table);
        Pair(0, QStringLiteral("ENDTAB"));
    }
    // The start of an object that belongs to a block (an entity, a block's begin or end).
    void Entity(const char* type, const QString& owner, const QString& layer, const char* subclass)
    {
        Pair(0, QString::fromLatin1(type));
        Handle();
        Pair(330, owner);
        Pair(100, QStringLiteral("AcDbEntity"));
        Pair(8, layer);
        Pair(100, QString::fromLatin1(subclass));
    }
    void TableEntry(const char* type, const QString& owner, const char* subclass)
    {
        Pair(0, QString::fromLatin1(type));
        Handle();
        Pair(330, owner);
        Pair(100, QStringLiteral("AcDbSymbolTableRecord"));
        Pair(100, QString::fromLatin1(subclass));
    }

private:
    CAtomicFile& m_out;
    CGbkCodec m_gbk;
    int m_nextHandle = 0x20;
};

void WriteHeader(CDxfOut& dxf, const PlanBounds& bounds, int handleSeed)
{
    dxf.Section("HEADER");
    dxf.Pair(9, QStringLiteral("$ACADVER"));
    // AutoCAD 2004, the last version whose text follows the declared code page. From 2007 on
    // text is UTF-8 whatever the header declares, but GDAL (and with it QGIS) decodes every
    // version by the declared code page: GBK declared as ANSI_936 reads right in both.
    dxf.Pair(1, QStringLiteral("AC1018"));
    dxf.Pair(9, QStringLiteral("$DWGCODEPAGE"));
    dxf.Pair(3, QStringLiteral("ANSI_936"));
    dxf.Pair(9, QStringLiteral("$INSUNITS"));
    dxf.Pair(70, 6); // metres
    dxf.Pair(9, QStringLiteral("$EXTMIN"));
    dxf.Number(10, bounds.empty ? 0 : bounds.minEast);
    dxf.Number(20, bounds.empty ? 0 : bounds.minNorth);
    dxf.Number(30, 0);
    dxf.Pair(9, QStringLiteral("$EXTMAX"));
    dxf.Number(10, bounds.empty ? 0 : bounds.maxEast);
    dxf.Number(20, bounds.empty ? 0 : bounds.maxNorth);
    dxf.Number(30, 0);
    dxf.Pair(9, QStringLiteral("$HANDSEED"));
    dxf.Pair(5, QString::number(handleSeed, 16).toUpper());
    dxf.EndSection();
}

struct BlockRecords
{
    QString modelSpace;
    QString paperSpace;
};

BlockRecords WriteTables(CDxfOut& dxf, const QStringList& layers)
{
    BlockRecords records;
    dxf.Section("CLASSES");
    dxf.EndSection();
    dxf.Section("TABLES");
    dxf.Table("VPORT", 0, [](const QString&) {});
    // AutoCAD expects the two logical line types beside the one the layers use.
    dxf.Table("LTYPE", 3, [&dxf](const QString& table) {
        for (const char* name : {"ByBlock", "ByLayer", "CONTINUOUS"})
        {
            dxf.TableEntry("LTYPE", table, "AcDbLinetypeTableRecord");
            dxf.Pair(2, QString::fromLatin1(name));
            dxf.Pair(70, 0);
            dxf.Pair(3, qstrcmp(name, "CONTINUOUS") == 0 ? QStringLiteral("Solid line") : QString());
            dxf.Pair(72, 65);
            dxf.Pair(73, 0);
            dxf.Number(40, 0);
        }
    });
    dxf.Table("LAYER", int(layers.size()), [&dxf, &layers](const QString& table) {
        for (const QString& layer : layers)
        {
            dxf.TableEntry("LAYER", table, "AcDbLayerTableRecord");
            dxf.Pair(2, layer);
            dxf.Pair(70, 0);
            dxf.Pair(62, 7);
            dxf.Pair(6, QStringLiteral("CONTINUOUS"));
        }
    });
    dxf.Table("STYLE", 1, [&dxf](const QString& table) {
        dxf.TableEntry("STYLE", table, "AcDbTextStyleTableRecord");
        dxf.Pair(2, QStringLiteral("Standard"));
        dxf.Pair(70, 0);
        dxf.Number(40, 0);
        dxf.Number(41, 1);
        dxf.Number(50, 0);
        dxf.Pair(71, 0);
        dxf.Number(42, TextHeight);
        dxf.Pair(3, QStringLiteral("txt"));
        dxf.Pair(4, QString());
    });
    dxf.Table("VIEW", 0, [](const QString&) {});
    dxf.Table("UCS", 0, [](const QString&) {});
    dxf.Table("APPID", 1, [&dxf](const QString& table) {
        dxf.TableEntry("APPID", table, "AcDbRegAppTableRecord");
        dxf.Pair(2, QStringLiteral("ACAD"));
        dxf.Pair(70, 0);
    });
    dxf.Table("DIMSTYLE", 0, [&dxf](const QString&) { dxf.Pair(100, QStringLiteral("AcDbDimStyleTable")); });
    dxf.Table("BLOCK_RECORD", 2, [&dxf, &records](const QString& table) {
        for (QString* record : {&records.modelSpace, &records.paperSpace})
        {
            dxf.Pair(0, QStringLiteral("BLOCK_RECORD"));
            *record = dxf.Handle();
            dxf.Pair(330, table);
            dxf.Pair(100, QStringLiteral("AcDbSymbolTableRecord"));
            dxf.Pair(100, QStringLiteral("AcDbBlockTableRecord"));
            dxf.Pair(2, record == &records.modelSpace ? QStringLiteral("*Model_Space") : QStringLiteral("*Paper_Space"));
        }
    });
    dxf.EndSection();
    return records;
}

void WriteBlocks(CDxfOut& dxf, const BlockRecords& records)
{
    dxf.Section("BLOCKS");
    for (const bool model : {true, false})
    {
        const QString owner = model ? records.modelSpace : records.paperSpace;
        const QString name = model ? QStringLiteral("*Model_Space") : QStringLiteral("*Paper_Space");
        dxf.Entity("BLOCK", owner, QStringLiteral("0"), "AcDbBlockBegin");
        dxf.Pair(2, name);
        dxf.Pair(70, 0);
        dxf.Number(10, 0);
        dxf.Number(20, 0);
        dxf.Number(30, 0);
        dxf.Pair(3, name);
        dxf.Pair(1, QString());
        dxf.Entity("ENDBLK", owner, QStringLiteral("0"), "AcDbBlockEnd");
    }
    dxf.EndSection();
}

void WriteObjects(CDxfOut& dxf)
{
    dxf.Section("OBJECTS");
    dxf.Pair(0, QStringLiteral("DICTIONARY"));
    const QString root = dxf.Handle();
    dxf.Pair(330, QStringLiteral("0"));
    dxf.Pair(100, QStringLiteral("AcDbDictionary"));
    dxf.Pair(281, 1);
    dxf.Pair(3, QStringLiteral("ACAD_GROUP"));
    const QString group = QString::number(dxf.NextHandle(), 16).toUpper();
    dxf.Pair(350, group);
    dxf.Pair(0, QStringLiteral("DICTIONARY"));
    dxf.Handle();
    dxf.Pair(330, root);
    dxf.Pair(100, QStringLiteral("AcDbDictionary"));
    dxf.Pair(281, 1);
    dxf.EndSection();
}

} // namespace

QString DxfLayerName(const QString& code)
{
    static const QString forbidden = QStringLiteral("<>/\\\":;?*|=`,");
    const CGbkCodec gbk;
    const QString trimmed = code.trimmed();
    QString name;
    for (qsizetype i = 0; i < trimmed.size(); ++i)
    {
        const QChar c = trimmed[i];
        // A character beyond the basic plane is one character of the name: one '_'.
        if (c.isHighSurrogate() && i + 1 < trimmed.size() && trimmed[i + 1].isLowSurrogate())
            ++i;
        bool plain = !forbidden.contains(c) && c.unicode() >= 0x20 && c.unicode() != 0x7f && !c.isSurrogate();
        // The drawing's code page must carry the name as it is: an escape would put a '\' into it.
        if (plain && c.unicode() >= 0x80)
            plain = gbk.Holds(QStringView(&c, 1));
        name += plain ? c : QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("0") : name.left(MaxLayerName);
}

namespace
{
// One layer per code, each under a name of its own. CAD programs take layer names without
// regard to case, and cleaning makes "A/B" and "A:B" alike: a name already given is told
// apart by a number ("A_B_2"). "0" stays the layer of points without a code.
class CDxfLayers
{
public:
    CDxfLayers() { Claim(QStringLiteral("0")); }

    QString LayerOf(const QString& code)
    {
        const QString key = code.trimmed();
        if (key.isEmpty())
            return QStringLiteral("0");
        if (const auto known = m_byCode.constFind(key); known != m_byCode.constEnd())
            return *known;
        const QString base = DxfLayerName(key);
        QString name = base;
        for (int n = 2; Taken(name); ++n)
        {
            const QString suffix = QStringLiteral("_%1").arg(n);
            name = base.left(MaxLayerName - suffix.size()) + suffix;
        }
        Claim(name);
        m_byCode.insert(key, name);
        return name;
    }
    const QStringList& Names() const { return m_names; }

private:
    static QString Folded(const QString& name) { return name.toCaseFolded(); }
    bool Taken(const QString& name) const
    {
        return m_taken.contains(Folded(name)) || m_taken.contains(name.toLower()) ||
               Folded(name) == QLatin1String("defpoints");
    }
    void Claim(const QString& name)
    {
        m_names << name;
        m_taken.insert(Folded(name));
        m_taken.insert(name.toLower());
    }

    QHash<QString, QString> m_byCode;
    QStringList m_names;
    QSet<QString> m_taken;
};

void WriteEntities(CDxfOut& dxf, const PlanData& data, CDxfLayers& layers, const QString& modelSpace)
{
    dxf.Section("ENTITIES");
    for (const PlanPoint& point : data.points)
    {
        const QString layer = layers.LayerOf(point.code);
        dxf.Entity("POINT", modelSpace, layer, "AcDbPoint");
        dxf.Number(10, point.east);
        dxf.Number(20, point.north);
        dxf.Number(30, point.height);
        if (point.name.isEmpty())
            continue;
        dxf.Entity("TEXT", modelSpace, layer, "AcDbText");
        dxf.Number(10, point.east + TextOffset);
        dxf.Number(20, point.north + TextOffset);
        dxf.Number(30, point.height);
        dxf.Number(40, TextHeight);
        dxf.Pair(1, point.name);
        dxf.Pair(7, QStringLiteral("Standard"));
        dxf.Pair(100, QStringLiteral("AcDbText"));
    }
    dxf.EndSection();
}
} // namespace

Outcome ExportDxf(const QString& path, const PlanData& data)
{
    // A drawing of what could be read would pass for the whole list.
    if (data.readFailed)
        return {Status::DatabaseError};
    CDxfLayers layers;
    for (const PlanPoint& point : data.points)
        layers.LayerOf(point.code);
    CAtomicFile file(path);
    if (!file.Open())
        return {Status::FileNotWritable};
    CDxfOut dxf(file);
    // The header names a handle above every one in the file: a few for the tables, blocks
    // and dictionaries, one per layer, and two per point.
    WriteHeader(dxf, data.bounds, dxf.NextHandle() + 64 + int(layers.Names().size()) + 2 * int(data.points.size()));
    const BlockRecords records = WriteTables(dxf, layers.Names());
    WriteBlocks(dxf, records);
    WriteEntities(dxf, data, layers, records.modelSpace);
    WriteObjects(dxf);
    dxf.Pair(0, QStringLiteral("EOF"));
    if (const Outcome written = file.Commit(); !written.Succeeded())
        return written;
    return PlanWritten(data);
}

Outcome ExportPointsDxf(CProjectStore& store, const QString& path)
{
    if (const Outcome chosen = CheckChosenFile(path, store.DatabasePath()); !chosen.Succeeded())
        return chosen;
    return ExportDxf(path, ReadPlanData(store, DataKind::Coor));
}
