// The map session: what counts as unsaved, through edits, history, files.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "TestCatalogue.h"
#include "session/MapSession.h"

namespace {

struct Step {
    const char* what;
    std::function<void(MapSession&, const QString& dir)> act;
    bool modified;
    const char* file;  // the open file's name afterwards
    const char* history = nullptr;  // "u" undo, "r" redo available; null: not checked
    // The change notices, one word each: the cells' count, then m(ap), s(ize),
    // k (catalogue), r(ates), d(isplay); null: not checked.
    const char* told = nullptr;
};

std::string Told(const MapChange& c)
{
    std::string s = c.Cells.empty() ? "" : std::to_string(c.Cells.size());
    for (const auto& [on, flag] :
         {std::pair{c.WholeMap, 'm'}, {c.Size, 's'}, {c.Catalogue, 'k'}, {c.Rates, 'r'}, {c.Display, 'd'}})
        s += on ? std::string(1, flag) : "";
    return s;
}

void Paint(MapSession& s, int x)
{
    const CellRectangle r = TTileData::CellRect(x, 2);
    s.EditAt(r.Left + 16, r.Top + 16, MouseButton::Left);
}

void Save(MapSession& s, const QString& dir, const char* name, bool ok = true)
{
    const Result saved = s.Save(dir + "/" + name);
    EXPECT_EQ(saved.Ok, ok) << saved.Reason;
    EXPECT_EQ(saved.Reason.empty(), ok);
}

}  // namespace

TEST(MapSession, TheModifiedStateFollowsTheHistorysCleanPosition)
{
    const auto paint = [](int x) { return [x](MapSession& s, const QString&) { Paint(s, x); }; };
    const auto save = [](const char* name) { return [name](MapSession& s, const QString& d) { Save(s, d, name); }; };
    const auto undo = [](MapSession& s, const QString&) { s.Undo(); };
    const auto redo = [](MapSession& s, const QString&) { s.Redo(); };
    const auto size = [](int last) { return [last](MapSession& s, const QString&) { s.SetSize(last, last); }; };
    const auto stroke = [](MapSession& s, const QString&) {
        s.BeginOperation();
        s.ApplyEdits({{3, 2, {1, 0, 0}}, {4, 2, {1, 0, 0}}});
        s.BeginOperation();  // the other button, meanwhile
        s.ApplyEdits({{5, 3, {1, 0, 0}}});
        s.EndOperation();
    };
    const auto dragStart = [](MapSession& s, const QString&) {
        s.BeginOperation();
        s.ApplyEdits({{3, 2, {1, 0, 0}}});
    };
    const std::vector<std::vector<Step>> cases = {
        {{"edit", paint(3), true, "", nullptr, "1"}, {"undo to the start", undo, false, "", nullptr, "1"},
         {"redo", redo, true, "", nullptr, "1"},
         {"a fill of the whole map",
          [](MapSession& s, const QString&) {
              std::vector<CellEdit> all;
              for (int i = 0; i < GridSize * GridSize; ++i)
                  all.push_back({i / GridSize, i % GridSize, {1, 1, 0}});
              s.SetSize(30, 30), s.ApplyEdits(all);
          },
          true, "", "u", "s 961"},
         {"its undo is one notice", undo, true, "", "ur", "961"},
         {"the catalogue, a rate, a display switch, nothing",
          [](MapSession& s, const QString&) {
              s.ChangeSettings([](TTileData& d) { d.ReplaceTile(1, d.GetTile(1)); });
              s.ChangeSettings([](TTileData& d) { d.Gold += 1; });
              s.ChangeSettings([](TTileData& d) { d.LineMode = true; });
              s.ChangeSettings([](TTileData&) {});
          },
          true, "", "ur", "k r d"}},
        {{"edit", paint(3), true, ""}, {"save", save("a.kpl"), false, "a.kpl"}, {"edit", paint(4), true, "a.kpl"},
         {"undo to the saved point", undo, false, "a.kpl"}, {"undo past it", undo, true, "a.kpl"},
         {"redo to it", redo, false, "a.kpl"},
         {"another window saves the same file",
          [](MapSession& s, const QString& d) {
              int told = 0;
              const QMetaObject::Connection counting =
                  QObject::connect(&s, &MapSession::changedOnDisk, [&told] { ++told; });
              MapSession other;
              ASSERT_TRUE(other.Load(d + "/a.kpl"));
              Save(other, d, "a.kpl");  // the same content: no change
              EXPECT_FALSE(s.FileChangedOnDisk());
              other.SetSize(5, 5);
              Save(other, d, "a.kpl");
              EXPECT_TRUE(s.FileChangedOnDisk());
              EXPECT_FALSE(other.FileChangedOnDisk());
              for (QDeadlineTimer deadline(3000); told == 0 && !deadline.hasExpired();)
                  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
              EXPECT_EQ(told, 1);
              QObject::disconnect(counting);
          },
          false, "a.kpl"},
         {"saving again is this window's choice", save("a.kpl"), false, "a.kpl"}},
        {{"edit", paint(3), true, ""}, {"save", save("a.kpl"), false, "a.kpl"}, {"undo", undo, true, "a.kpl"},
         {"another edit drops the saved point", paint(5), true, "a.kpl"}, {"undo", undo, true, "a.kpl"}},
        {{"edit", paint(3), true, ""}, {"save", save("a.kpl"), false, "a.kpl", "u", ""},
         {"clear after save", [](MapSession& s, const QString&) { s.ClearPanels(); }, true, "a.kpl", "", "m"},
         {"set code", [](MapSession& s, const QString&) { (void)s.ApplyMapCode("b@"); }, true, "a.kpl", "", "m"},
         {"set a code that carries its size",
          [](MapSession& s, const QString&) {
              EXPECT_EQ(s.ApplyMapCode("b@31x31").LeftOver, 0);
              EXPECT_EQ(std::make_pair(s.Doc().LastX, s.Doc().LastY), std::make_pair(30, 30));
          },
          true, "a.kpl", "", "ms"},
         {"set a code too long for the map",
          [](MapSession& s, const QString&) {
              const MapCodeOutcome set = s.ApplyMapCode("b99999@");
              EXPECT_EQ(set.Trace.back(), "コードの 99040 マスは地図に入りませんでした");
          },
          true, "a.kpl"}},
        {{"edit", paint(3), true, ""}, {"save", save("a.kpl"), false, "a.kpl"}, {"edit", paint(4), true, "a.kpl"},
         {"load", [](MapSession& s, const QString& d) { EXPECT_TRUE(s.Load(d + "/a.kpl")); }, false, "a.kpl", "", "ms"},
         {"edit", paint(4), true, "a.kpl", "u"},
         {"load junk",
          [](MapSession& s, const QString& d) {
              const Result loaded = s.Load(d + "/dir");
              EXPECT_EQ(loaded.Reason, "not a regular file");
          },
          true, "a.kpl", "u", ""},
         {"new", [](MapSession& s, const QString&) { s.NewMap(13, 14); }, false, "", "", "ms"}},
        {{"edit", paint(3), true, ""},
         {"failed save", [](MapSession& s, const QString& d) { Save(s, d, "dir", false); }, true, ""}},
        {{"a stroke's first cell", dragStart, true, ""},
         {"an undo during the stroke ends it", undo, false, "", "r"},
         {"the stroke's later cells are a step of their own",
          [](MapSession& s, const QString&) {
              EXPECT_FALSE(s.InOperation());
              s.ApplyEdits({{4, 2, {1, 0, 0}}});
          },
          true, "", "u"},
         {"one undo takes only them", undo, false, "", "r"}},
        {{"a drag's first cell", dragStart, true, ""},
         {"a modal window during the drag ends it, once, and tells the tools",
          [](MapSession& s, const QString&) {
              int told = 0;
              const auto counting = QObject::connect(&s, &MapSession::operationEnded, [&told] { ++told; });
              s.EndOperation();  // what the window does when a modal window blocks it
              s.EndOperation();
              QObject::disconnect(counting);
              EXPECT_EQ(told, 1);
              s.ApplyEdits({{4, 2, {1, 0, 0}}});  // a late cell of the stopped drag
          },
          true, "", "u"},
         {"the late cell is a step of its own", undo, true, "", "ur"}},
        {{"a drag's first cell, then a key's change",
          [&](MapSession& s, const QString& d) {
              dragStart(s, d);
              s.ApplyStep({{4, 2, {1, 0, 0}}});
              EXPECT_FALSE(s.InOperation());
          },
          true, "", "u", "1 1"},
         {"the key's change is a step of its own", undo, true, "", "ur"}},
        {{"a tool's stroke", stroke, true, "", nullptr, "2 1"}, {"one undo takes all of it", undo, false, "", nullptr, "3"},
         {"redo", redo, true, ""}, {"save", save("a.kpl"), false, "a.kpl"}, {"undo", undo, true, "a.kpl"}},
        {{"the same size", size(11), false, "", nullptr, "s"}, {"another size", size(14), true, "", nullptr, "s"},
         {"save", save("b.kpl"), false, "b.kpl"}},
        {{"edit", paint(3), true, ""}, {"undo", undo, false, "", "r"},
         {"another size keeps the history", size(14), true, "", "r"}, {"redo", redo, true, "", "u"},
         {"undo cannot undo the size", undo, true, "", "r"}},
    };
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    const QCoreApplication app(argc, argv);  // for the recovery copy's timer
    for (const std::vector<Step>& steps : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("dir"));
        MapSession session;
        session.Doc().SetLastX(11);
        session.Doc().SetLastY(11);
        TestCatalogue(2).AddTo(session.Doc());
        session.Doc().Selected = 1;
        (void)session.Doc().TakeChange();
        bool signalled = false;
        QObject::connect(&session, &MapSession::modifiedChanged, [&](bool m) { signalled = m; });
        std::string told;
        QObject::connect(&session, &MapSession::changed,
                         [&](const MapChange& c) { told += (told.empty() ? "" : " ") + Told(c); });
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            told.clear();
            step.act(session, dir.path());
            if (step.told)
                EXPECT_EQ(told, step.told);
            EXPECT_EQ(session.Modified(), step.modified);
            EXPECT_EQ(signalled, step.modified);
            EXPECT_EQ(QFileInfo(session.FilePath()).fileName(), step.file);
            if (step.history)
                EXPECT_EQ(std::string(session.CanUndo() ? "u" : "") + (session.CanRedo() ? "r" : ""), step.history);
        }
    }
}
