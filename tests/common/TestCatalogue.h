#pragma once
// The one way tests build a catalogue: panel kinds in memory, added to a
// document or written out as isplan.ini text.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringEncoder>
#include <climits>
#include <vector>

#include "document/File1.h"

struct TestCatalogue {
    std::vector<TTileList> Panels;
    // [System] keys; the map size is fixed, so no size dialog comes up.
    QList<QByteArray> System = {"MapSize=1", "MapY=12", "MapX=12", "Window=0"};
    int Masks = 3;  // how many of the shipped 印, 範囲1, 範囲2

    TestCatalogue() = default;
    // `count` panels No i named パネルi, on sea / plains / town in turn
    // (missing.bmp from index missingFrom on), worth 10 人 + 5 a step, 3 steps.
    explicit TestCatalogue(int count, int missingFrom = INT_MAX)
    {
        const char* bitmaps[] = {"sea.bmp", "plains.bmp", "town.bmp"};
        for (int i = 0; i < count; ++i)
            Add({.No = i, .Bmp = i >= missingFrom ? "missing.bmp" : bitmaps[i % 3],
                 .Name = "パネル" + std::to_string(i), .Type = 1, .Min = 10, .Count = 5, .Max = 3, .Ext = "人",
                 .Land = true, .Code = static_cast<uint8_t>('a' + i % 26)});
    }

    TestCatalogue& Add(const TTileList& panel)
    {
        Panels.push_back(panel);
        return *this;
    }
    // A land panel worth nothing, on plains.bmp, with code a.
    TestCatalogue& Add(int no, const char* name, int type = 0)
    {
        return Add({.No = no, .Bmp = "plains.bmp", .Name = name, .Type = type, .Land = true, .Code = 'a'});
    }
    // [System] keys, one a line, each replacing one of the same name.
    TestCatalogue& Keys(const QByteArray& keys)
    {
        for (const QByteArray& line : keys.split('\n'))
            if (!line.isEmpty()) {
                System.removeIf([&](const QByteArray& k) { return k.startsWith(line.left(line.indexOf('=') + 1)); });
                System << line;
            }
        return *this;
    }

    void AddTo(TTileData& doc) const
    {
        for (const TTileList& t : Panels)
            doc.AddTile(t);
    }
    // The catalogue a document holds now.
    static std::vector<TTileList> Of(const TTileData& doc) { return {doc.Tile, doc.Tile + doc.TileCount}; }

    // As UTF-8 (the test folders store it as Shift-JIS); a panel without a
    // code gets the letter of its place.
    QByteArray Ini() const
    {
        const auto n = [](auto v) { return QByteArray::number(v); };
        const auto s = [](const std::string& v) { return QByteArray::fromStdString(v); };
        QByteArray text = "[System]\n" + System.join('\n') + "\n[Tile]\nMax=" + n(qsizetype(Panels.size()) - 1) + "\n";
        for (size_t i = 0; i < Panels.size(); ++i) {
            const TTileList& t = Panels[i];
            text += "[" + n(qsizetype(i)) + "]\nNo=" + n(t.No) + "\nName=" + s(t.Name) + "\nBmp=" + s(t.Bmp) +
                    "\nType=" + n(t.Type) + "\nMin=" + n(t.Min) + "\nCount=" + n(t.Count) + "\nMax=" + n(t.Max) +
                    "\nExt=" + s(t.Ext) + "\nLand=" + n(int(t.Land)) + "\nCode=" + n(t.Code ? t.Code : 97 + i % 26) +
                    "\n";
        }
        const char* masks[] = {"[Mask0]\nNo=0\nName=印\nBmp=mask_mark.bmp\nType=0\n",
                               "[Mask1]\nNo=1\nName=範囲1\nBmp=mask_area1.bmp\nType=1\n",
                               "[Mask2]\nNo=2\nName=範囲2\nBmp=mask_area2.bmp\nType=2\n"};
        text += "[Mask]\nMax=" + n(Masks - 1) + "\n";
        for (int i = 0; i < Masks; ++i)
            text += masks[i];
        return text;
    }
};

// A program folder as installed: a copy of the shipped Image/, and the
// shipped isplan.ini or the given text (UTF-8) stored as Shift-JIS.
inline void MakeProgramFolder(const QString& dir, const QByteArray& iniText)
{
    QDir().mkpath(dir + "/Image");
    const QDir images(QStringLiteral(ISPLN_DATA_DIR "/Image"));
    for (const QString& name : images.entryList(QDir::Files))
        QFile::copy(images.filePath(name), dir + "/Image/" + name);
    if (iniText.isEmpty()) {
        QFile::copy(QStringLiteral(ISPLN_DATA_DIR "/isplan.ini"), dir + "/isplan.ini");
        return;
    }
    QFile file(dir + "/isplan.ini");
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringEncoder("Shift_JIS").encode(QString::fromUtf8(iniText)));
}
