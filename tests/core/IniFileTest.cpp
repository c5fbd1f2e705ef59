#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <sys/stat.h>

namespace {

IniFile FromBytes(const std::string& bytes)
{
    IniFile ini;
    ini.LoadFromBytes(bytes);
    return ini;
}

std::string ReadFileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void WriteFileBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// "海の表" in Shift-JIS: 0x95 0x5C carries a backslash as its second byte.
const std::string kSeaSjis = "\x8A\x43";
const std::string kSeaOfTableSjis = "\x8A\x43\x82\xCC\x95\x5C";
const std::string kSeaOfTableUtf8 = "海の表";

} // namespace

TEST(IniFile, OnlyARegularFileOfAtMostFourMebibytesIsRead)
{
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);  // would block a plain open for ever
    const QString zero = dir.filePath("zero");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));  // would read until memory runs out
    WriteFileBytes(dir.filePath("big"), std::string(5 << 20, '\n'));
    WriteFileBytes(dir.filePath("limit"), "[S]\nk=1\n" + std::string(IniFile::MaxFileBytes - 8, '\n'));
    struct Case {
        std::string path;
        bool read;
    };
    const Case cases[] = {
        {"/nonexistent/dir/isplan.ini", false}, {fifo, false},       {dir.path().toStdString(), false},
        {zero.toStdString(), false}, {dir.filePath("big").toStdString(), false}, {dir.filePath("limit").toStdString(), true},
    };
    for (const Case& c : cases) {
        IniFile ini;
        const Result read = ini.Load(c.path);
        EXPECT_EQ(read.Ok, c.read) << c.path;
        EXPECT_EQ(read.Reason.empty(), c.read) << c.path << ": " << read.Reason;
        EXPECT_EQ(ini.ReadInteger("S", "k", 0), c.read ? 1 : 0) << c.path;
        EXPECT_EQ(ini.ReadString("S", "k", "dflt"), c.read ? "1" : "dflt") << c.path;
        if (!c.read)
            EXPECT_EQ(ini.ToBytes(), "") << c.path;
        EXPECT_EQ(ini.LineEnding(), c.read ? "\n" : "\r\n") << c.path;
    }
}

TEST(IniFile, ReadInteger)
{
    struct Case {
        std::string text;
        int32_t expected;
    };
    const int32_t d = -777;
    const Case cases[] = {
        {"12", 12},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"  42  ", 42},
        {"0x1F", 31},
        {"0XfF", 255},
        {"0x7FFFFFFF", INT32_MAX},
        {"0x80000000", INT32_MIN},
        {"0xFFFFFFFF", -1},
        {"0x000000010", 16},
        {"0x100000000", d},
        {"0x", d},
        {"-0x10", d},
        {"0x1G", d},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", d},
        {"-2147483649", d},
        {"99999999999999999999999", d},
        {"", d},
        {"-", d},
        {"+", d},
        {"abc", d},
        {"12abc", d},
        {"1.5", d},
        {"1 2", d},
        {"- 5", d},
        {"TRUE", d},
    };
    for (const Case& c : cases) {
        const IniFile ini = FromBytes("[S]\r\nk=" + c.text + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "k", d), c.expected) << "value '" << c.text << "'";
    }
}

TEST(IniFile, ReadBool)
{
    struct Case {
        std::string text;
        bool whenDefaultFalse;
        bool whenDefaultTrue;
    };
    const Case cases[] = {
        {"0", false, false},
        {"1", true, true},
        {"-1", true, true},
        {"2", true, true},
        {"0x0", false, false},
        {"0x100", true, true},
        {"TRUE", false, true},
        {"yes", false, true},
        {"", false, true},
    };
    for (const Case& c : cases) {
        const IniFile ini = FromBytes("[S]\nk=" + c.text + "\n");
        EXPECT_EQ(ini.ReadBool("S", "k", false), c.whenDefaultFalse) << c.text;
        EXPECT_EQ(ini.ReadBool("S", "k", true), c.whenDefaultTrue) << c.text;
    }
}

TEST(IniFile, LineSyntax)
{
    const IniFile ini = FromBytes(
        "top=preamble\r\n"
        "[system]\r\n"
        "  MAPY  =  5  \r\n"
        "Path=a=b=c\r\n"
        "; Hidden=1\r\n"
        "# Also=1\r\n"
        "dup=first\r\n"
        "dup=second\r\n"
        "noequals\r\n"
        "=orphan\r\n"
        "  [ Other ]  \r\n"
        "Key=x\r\r\n");
    EXPECT_EQ(ini.ReadInteger("System", "mapy", 0), 5);
    EXPECT_EQ(ini.ReadString("SYSTEM", "MapY", ""), "5");
    EXPECT_EQ(ini.ReadString("System", "Path", ""), "a=b=c");
    EXPECT_EQ(ini.ReadString("System", "Hidden", "none"), "none");
    EXPECT_EQ(ini.ReadString("System", "Also", "none"), "none");
    EXPECT_EQ(ini.ReadString("System", "dup", ""), "first");
    EXPECT_EQ(ini.ReadString("System", "noequals", "none"), "none");
    EXPECT_EQ(ini.ReadString("System", "", "none"), "none");
    EXPECT_EQ(ini.ReadString("Other", "Key", ""), "x");
    // Lines before the first section belong to none.
    EXPECT_EQ(ini.ReadString("", "top", "none"), "none");
    EXPECT_EQ(ini.ReadString("System", "top", "none"), "none");

    // A file loaded into the same object replaces the one before.
    IniFile reused = FromBytes("[System]\r\nMapY=5\r\n");
    reused.LoadFromBytes("[Other]\r\nKey=y\r\n");
    EXPECT_EQ(reused.ReadString("System", "MapY", "none"), "none");
    EXPECT_EQ(reused.ReadString("Other", "Key", ""), "y");
}

TEST(IniFile, DecodesShiftJis)
{
    const IniFile ini = FromBytes("[" + kSeaSjis + "]\r\nName=" + kSeaOfTableSjis + "\r\n");
    EXPECT_EQ(ini.ReadString("海", "Name", ""), kSeaOfTableUtf8);
}

TEST(IniFile, UnchangedBytesComeBackIdentical)
{
    std::string binary;
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    const std::string inputs[] = {
        "",
        "\n",
        "\r\n\r\n",
        "[S]\r\nk=v",                    // no final line break
        "[S]\nk=v\r\nj=w\n",             // mixed endings
        "\r",
        "[S]\r\nk=\x81\r\n",             // lead byte cut by the line end
        "[S]\r\nk=\x80\xA0\xFD\xFF\r\n", // bytes Shift-JIS never uses
        std::string("[S]\0\r\nk=a\0b\r\n", 14),
        binary,
        "[S]\r\nk=" + std::string(1 << 20, 'x') + "\r\n",
        "[" + kSeaSjis + "]\r\n" + kSeaOfTableSjis + "=" + kSeaOfTableSjis + "\r\n",
    };
    for (const std::string& in : inputs) EXPECT_EQ(FromBytes(in).ToBytes(), in);

    std::mt19937 rng(12345);
    const char alphabet[] = "[]=;#\r\n \\kS\x81\x8A\x43\x95\x5C\xFC";
    IniFile reused;
    for (int n = 0; n < 300; ++n) {
        std::string in;
        const int len = static_cast<int>(rng() % 200);
        for (int i = 0; i < len; ++i) in += alphabet[rng() % (sizeof alphabet - 1)];
        ASSERT_EQ(FromBytes(in).ToBytes(), in);
        reused.LoadFromBytes(in);
        ASSERT_EQ(reused.ToBytes(), in);
    }
}

TEST(IniFile, RewritingSameTextKeepsBytes)
{
    // The NEC and IBM rows of CP932 both hold U+7E8A (0xED40 and 0xFA5C):
    // writing the same text back must not switch to the other form.
    const std::string in = "[S]\r\nName = " + kSeaOfTableSjis + "\r\nOther=\xED\x40\r\nN=0x10\r\n";
    IniFile ini = FromBytes(in);
    ini.WriteString("S", "Name", ini.ReadString("S", "Name", ""));
    ini.WriteString("s", "OTHER", ini.ReadString("S", "Other", ""));
    ini.WriteString("S", "N", "0x10");
    EXPECT_EQ(ini.ToBytes(), in);

    // A lone CR ending the file is the last line's until a key is appended
    // after it; then it is that line's ending, and the value reads the same.
    IniFile cut = FromBytes("[S]\nk=a\xE7\r");
    const std::string value = cut.ReadString("S", "k", "");
    cut.WriteString("S", "n", "1");
    EXPECT_EQ(FromBytes(cut.ToBytes()).ReadString("S", "k", ""), value);
}

TEST(IniFile, WritePlacesKeys)
{
    struct Case {
        const char* name;
        std::string before;
        std::string section, key, value;
        std::string after;
    };
    const Case cases[] = {
        {"replace in place, keeping spacing and neighbours",
         "; c\r\n[A]\r\nx = 1\r\ny=2\r\n", "a", "X", "9",
         "; c\r\n[A]\r\nx = 9\r\ny=2\r\n"},
        {"first duplicate is replaced",
         "[A]\r\nx=1\r\nx=2\r\n", "A", "x", "3",
         "[A]\r\nx=3\r\nx=2\r\n"},
        {"append after last key, before comments and blank lines",
         "[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n; about B\r\n\r\n[B]\r\ny=2\r\n"},
        {"section without keys gets it right after its header",
         "[A]\r\n\r\n[B]\r\n", "A", "z", "3",
         "[A]\r\nz=3\r\n\r\n[B]\r\n"},
        {"new section at the end",
         "[A]\r\nx=1\r\n", "B", "y", "2",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        {"preamble keys are not the section's",
         "k=1\r\n[A]\r\n", "A", "k", "2",
         "k=1\r\n[A]\r\nk=2\r\n"},
        {"LF file stays LF",
         "[A]\nx=1\n", "A", "y", "2",
         "[A]\nx=1\ny=2\n"},
        {"unterminated last line gets a line break",
         "[A]\r\nx=1", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n"},
        {"unterminated last line keeps none when replaced",
         "[A]\nx=1", "A", "x", "2",
         "[A]\nx=2"},
        {"blanks around a value are not stored, so writing it again changes nothing",
         "[A]\r\nx=1\r\n", "A", "x", " 2 ",
         "[A]\r\nx=2\r\n"},
        {"line breaks in a value cannot split the line",
         "[A]\r\n", "A", "x", "a\r\nb\nc",
         "[A]\r\nx=a b c\r\n"},
        {"new file uses CRLF",
         "", "A", "x", "1",
         "[A]\r\nx=1\r\n"},
        {"Japanese is written in Shift-JIS",
         "", "A", "x", kSeaOfTableUtf8,
         "[A]\r\nx=" + kSeaOfTableSjis + "\r\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = FromBytes(c.before);
        ini.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(ini.ToBytes(), c.after) << c.name;
        EXPECT_EQ(ini.ReadString(c.section, c.key, "?"), FromBytes(c.after).ReadString(c.section, c.key, "!"))
            << c.name;
    }
}

TEST(IniFile, WriteIntegerAndBool)
{
    IniFile ini;
    ini.WriteInteger("S", "a", INT32_MIN);
    ini.WriteBool("S", "b", true);
    ini.WriteBool("S", "c", false);
    EXPECT_EQ(ini.ToBytes(), "[S]\r\na=-2147483648\r\nb=1\r\nc=0\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), INT32_MIN);
}

TEST(IniFile, CanEncode)
{
    struct Case {
        std::string text;
        bool ok;
    };
    const Case cases[] = {
        {"", true},
        {"plain\\path~", true},
        {kSeaOfTableUtf8, true},
        {"①∥～", true},
        {"€", false},
        {"¥", false},
        {"\xF0\x9F\x98\x80", false},  // emoji
        {"\xEF\xA1\xAF", false},      // U+F86F: written as 0x8782, which reads back as U+2116
        {"\xFF", false},              // not UTF-8 at all
        {"a\xE6\xB5", false},         // cut UTF-8 sequence
    };
    for (const Case& c : cases) EXPECT_EQ(IniFile::CanEncode(c.text), c.ok) << c.text;
}

TEST(IniFile, SaveAndLoadAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("isplan.ini");
    IniFile ini;
    ini.WriteString("海", "Name", kSeaOfTableUtf8);
    const Result saved = ini.Save(path.toStdString());
    ASSERT_TRUE(saved) << saved.Reason;
    EXPECT_EQ(ReadFileBytes(path), "[" + kSeaSjis + "]\r\nName=" + kSeaOfTableSjis + "\r\n");

    IniFile back;
    ASSERT_TRUE(back.Load(path.toStdString()));
    EXPECT_EQ(back.ReadString("海", "Name", ""), kSeaOfTableUtf8);
}

TEST(IniFile, FailedSaveLeavesOldFile)
{
    QTemporaryDir dir;
    const std::string old = "[S]\r\nk=old\r\n";
    IniFile ini = FromBytes("[S]\r\nk=new\r\n");

    // Permission bits do not stop root, so fail in ways that stop everyone.
    const QString plainFile = dir.filePath("plain");
    WriteFileBytes(plainFile, old);
    const QString subDir = dir.filePath("sub");
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    // The longest name a folder can hold still gets its temporary file.
    const QString longName = dir.filePath(QString(255, 'n'));
    WriteFileBytes(longName, old);

    const QString targets[] = {plainFile + "/isplan.ini", subDir};
    for (const QString& target : targets) {
        const Result saved = ini.Save(target.toStdString());
        EXPECT_FALSE(saved) << target.toStdString();
        EXPECT_FALSE(saved.Reason.empty());
    }
    EXPECT_EQ(ReadFileBytes(plainFile), old);
    EXPECT_TRUE(ini.Save(longName.toStdString()));
    EXPECT_EQ(ReadFileBytes(longName), "[S]\r\nk=new\r\n");
    EXPECT_TRUE(QFileInfo(subDir).isDir());
    EXPECT_TRUE(ini.Save(plainFile.toStdString()));
    EXPECT_EQ(ReadFileBytes(plainFile), "[S]\r\nk=new\r\n");
}
