#pragma once
// Runs the real ispln-cli on files written into a temporary folder that
// holds its own isplan.ini and a copy of the shipped Image/.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <initializer_list>
#include <string>

#include "TestCatalogue.h"
#include "files/MapFile.h"

struct CliRun {
    int Status = -1;
    QString Out;
    QString Err;
};

inline CliRun RunCli(const QStringList& args, const QString& program = QStringLiteral(ISPLN_CLI))
{
    QProcess process;
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.Status = process.exitCode();
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

struct PlacedCell {
    int X, Y;
    MapCell Cell;
};

// A map of the given shown size; unnamed cells hold panel 0.
inline MapFileInfo MapOf(int columns, int rows, std::initializer_list<PlacedCell> cells = {})
{
    MapFileInfo info;
    info.LastX = static_cast<uint8_t>(columns - 1);
    info.LastY = static_cast<uint8_t>(rows - 1);
    for (const PlacedCell& c : cells)
        info.Cells[c.X][c.Y] = c.Cell;
    return info;
}

inline QByteArray CurrentBytes(const MapFileInfo& info)
{
    const std::string bytes = MapFileBytes(info);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The older two-bytes-per-cell layout, which only files from the past hold.
inline QByteArray OlderBytes(const MapFileInfo& info)
{
    QByteArray bytes("KPL02", 6);
    bytes.append(static_cast<char>(info.LastY));
    bytes.append(static_cast<char>(info.LastX));
    for (const auto& column : info.Cells)
        for (const MapCell& cell : column) {
            bytes.append(static_cast<char>(cell.Panel));
            bytes.append(static_cast<char>(cell.Counter));
        }
    return bytes;
}

class CliFolder {
public:
    // iniText: UTF-8, written as Shift-JIS; empty = the shipped isplan.ini.
    explicit CliFolder(const QByteArray& iniText = {}) { MakeProgramFolder(dir.path(), iniText); }

    QString Path(const QString& name) const { return dir.path() + "/" + name; }
    QString Ini() const { return Path("isplan.ini"); }
    QString Write(const QString& name, const QByteArray& bytes) const
    {
        WriteAll(Path(name), bytes);
        return Path(name);
    }
    QString WriteMap(const QString& name, const MapFileInfo& info) const { return Write(name, CurrentBytes(info)); }

    QTemporaryDir dir;
};
