#include "session/RecoveryStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "filesystem/CheckedFile.h"
#include "session/MapSession.h"
#include "session/RecoveryCopy.h"

namespace {

std::string Map(uint8_t panel)
{
    MapFileInfo info;
    info.LastX = info.LastY = 11;
    info.Cells[3][3].Panel = panel;
    return MapFileBytes(info);
}

uint8_t PanelOf(RecoveryStore& store, const OrphanCopy& copy)
{
    MapFileInfo info;
    return store.ReadCopy(copy, info) ? info.Cells[3][3].Panel : 0;
}

void Plant(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Case {
    const char* name;
    std::function<void(const QString& dir)> run;
};

}  // namespace

TEST(RecoveryStore, LifeCycle)
{
    const Case cases[] = {
        {"two windows on one folder keep two copies and never touch each other's",
         [](const QString& dir) {
             RecoveryStore a(dir), b(dir);
             a.Write(Map(1), QStringLiteral("/maps/a.kpl"));
             b.Write(Map(2), QString());
             a.Wait(), b.Wait();
             EXPECT_NE(a.OwnPath(), b.OwnPath());
             EXPECT_TRUE(b.ClaimOrphans().isEmpty());  // a is alive
             b.RemoveNow();
             EXPECT_FALSE(QFileInfo::exists(b.OwnPath()));
             EXPECT_TRUE(QFileInfo::exists(a.OwnPath()));
         }},
        {"copies of gone windows are offered newest first; Escape keeps them, 破棄 removes one",
         [](const QString& dir) {
             for (uint8_t panel : {1, 2}) {
                 RecoveryStore gone(dir);
                 ASSERT_TRUE(gone.WriteNow(Map(panel), panel == 2 ? QString() : QStringLiteral("/maps/a.kpl"), nullptr));
                 QThread::msleep(5);
             }
             RecoveryStore first(dir), second(dir);
             QList<OrphanCopy> offered = first.ClaimOrphans();
             ASSERT_EQ(offered.size(), 2);
             EXPECT_EQ(PanelOf(first, offered[0]), 2);
             EXPECT_EQ(offered[0].Source, QString());
             EXPECT_EQ(offered[1].Source, QStringLiteral("/maps/a.kpl"));
             EXPECT_TRUE(second.ClaimOrphans().isEmpty());  // being offered by the first
             first.ReleaseOrphans();                        // Escape
             offered = second.ClaimOrphans();
             ASSERT_EQ(offered.size(), 2);
             EXPECT_TRUE(second.Discard(offered[0]));
             EXPECT_FALSE(QFileInfo::exists(offered[0].Path));
             second.Adopt(offered[1]);  // 復元: this window's copy from now on
             EXPECT_EQ(second.OwnPath(), offered[1].Path);
         }},
        {"a failed write is told with its reason, leaves nothing, and the next one succeeds",
         [](const QString& dir) {
             int argc = 0;
             QCoreApplication app(argc, nullptr);  // delivers the report
             RecoveryStore store(dir);
             bool told = false;
             QObject::connect(&store, &RecoveryStore::Finished, [&](bool, bool ok, const QString& why) {
                 told = !ok && why == QString::fromLocal8Bit(std::strerror(ENOSPC));
             });
             InjectWriteFault(WriteStep::Sync, ENOSPC);
             store.Write(Map(1), QString());
             store.Wait();
             InjectWriteFault(WriteStep::None, 0);
             QCoreApplication::sendPostedEvents();
             EXPECT_TRUE(told);
             EXPECT_FALSE(QFileInfo::exists(store.OwnPath()));
             EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 1);  // the lock only
             EXPECT_TRUE(store.WriteNow(Map(1), QString(), nullptr));
         }},
        {"a FIFO, a link and an unreadable copy are told, left alone and never written",
         [](const QString& dir) {
             const QString fifo = dir + "/isplan-recovery.kpl", link = dir + "/isplan-recovery-2.kpl";
             const QString junk = dir + "/isplan-recovery-3.kpl", target = dir + "/elsewhere";
             ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
             Plant(target, "mine");
             ASSERT_TRUE(QFile::link(target, link));
             Plant(junk, "not a map");
             RecoveryStore store(dir);
             QStringList problems;
             EXPECT_TRUE(store.ClaimOrphans(&problems).isEmpty());
             EXPECT_EQ(problems.size(), 3);
             EXPECT_FALSE(WriteOwnFileChecked(QFile::encodeName(link).toStdString(), Map(1)));
             EXPECT_FALSE(WriteOwnFileChecked(QFile::encodeName(fifo).toStdString(), Map(1)));
             EXPECT_TRUE(store.WriteNow(Map(1), QString(), nullptr));
             EXPECT_EQ(store.OwnPath(), dir + "/isplan-recovery-4.kpl");
             store.RemoveNow();
             EXPECT_TRUE(QFileInfo(fifo).exists() && QFileInfo(link).isSymLink() && QFileInfo::exists(junk));
             QFile kept(target);
             EXPECT_TRUE(kept.open(QIODevice::ReadOnly) && kept.readAll() == "mine");
         }},
        {"a copy whose lock no live window holds is offered whatever the lock says; one whose lock "
         "is a FIFO, a link or a folder is told, and the lock is left as it is",
         [](const QString& dir) {
             const QByteArray locks[] = {"", "\x93\xff\x00garbage", "4242\nispln\nanother-host\n"};
             int slot = 1;
             const auto copy = [&dir](int n) { return dir + QStringLiteral("/isplan-recovery-%1.kpl").arg(n); };
             for (const QByteArray& lock : locks) {
                 Plant(copy(++slot), QByteArray::fromStdString(Map(uint8_t(slot))));
                 Plant(copy(slot) + ".lock", lock);
                 QFile made(copy(slot) + ".lock");  // an old lock, not one being made now
                 ASSERT_TRUE(made.open(QIODevice::ReadWrite) &&
                             made.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
             }
             for (int n = 0; n < 3; ++n)
                 Plant(copy(++slot), QByteArray::fromStdString(Map(9)));
             ASSERT_EQ(::mkfifo(QFile::encodeName(copy(5) + ".lock").constData(), 0600), 0);
             ASSERT_TRUE(QFile::link(dir + "/elsewhere", copy(6) + ".lock"));
             ASSERT_TRUE(QDir(dir).mkdir("isplan-recovery-7.kpl.lock"));
             RecoveryStore store(dir);
             QStringList problems;
             const QList<OrphanCopy> offered = store.ClaimOrphans(&problems);
             EXPECT_EQ(offered.size(), 3);
             // 破棄 that cannot delete says why.
             ASSERT_TRUE(QFile::remove(offered[0].Path) && QDir().mkdir(offered[0].Path));
             QString why;
             EXPECT_FALSE(store.Discard(offered[0], &why));
             EXPECT_EQ(why, "is not a regular file");
             ASSERT_EQ(problems.size(), 3);
             for (int n = 5; n <= 7; ++n)
                 EXPECT_TRUE(problems[n - 5].startsWith(copy(n) + ": its lock")) << problems[n - 5].toStdString();
             EXPECT_TRUE(QFileInfo(copy(6) + ".lock").isSymLink() && QFileInfo(copy(7) + ".lock").isDir());
         }},
        {"temporary files of a killed writer are removed at start, a live one's are not",
         [](const QString& dir) {
             const pid_t child = ::fork();
             if (child == 0)
                 ::_exit(0);
             ::waitpid(child, nullptr, 0);
             const QString dead = dir + QStringLiteral("/.ispln-%1-0.tmp").arg(child);
             const QString live = dir + QStringLiteral("/.ispln-%1-0.tmp").arg(::getppid());
             Plant(dead, "x");
             Plant(live, "x");
             RecoveryStore(dir).ClaimOrphans();
             EXPECT_FALSE(QFileInfo::exists(dead));
             EXPECT_TRUE(QFileInfo::exists(live));
         }},
        {"sessions: a saved one removes only its own copy; a restored copy is modified, keeps its file "
         "and becomes the window's own; an outside close during the question removes nothing",
         [](const QString& dir) {
             {
                 MapSession gone, other;
                 gone.Recovery().SetFolder(dir);
                 other.Recovery().SetFolder(dir);
                 ASSERT_TRUE(gone.Save(dir + "/a.kpl"));
                 gone.ClearAll();
                 other.ClearAll();
                 ASSERT_TRUE(gone.Recovery().WriteNow() && other.Recovery().WriteNow());
                 ASSERT_TRUE(other.Save(dir + "/b.kpl"));
                 EXPECT_TRUE(other.Recovery().OnClose(false));
                 EXPECT_FALSE(QFileInfo::exists(other.Recovery().Path()));
             }  // `gone` crashed, in effect: its copy stays
             {
                 MapSession asking;
                 asking.Recovery().SetFolder(dir);
                 EXPECT_EQ(asking.Recovery().Offered().size(), 1);
                 EXPECT_TRUE(asking.Recovery().OnClose(true));  // SIGTERM at the question
             }
             MapSession restoring;
             restoring.Recovery().SetFolder(dir);
             const QList<OrphanCopy> offered = restoring.Recovery().Offered();
             ASSERT_EQ(offered.size(), 1);
             ASSERT_TRUE(restoring.Recovery().Restore(offered[0]));
             EXPECT_TRUE(restoring.Modified());
             EXPECT_EQ(restoring.FilePath(), dir + "/a.kpl");
             EXPECT_EQ(restoring.Recovery().Path(), offered[0].Path);
             InjectWriteFault(WriteStep::Rename, EROFS);
             const Result failed = restoring.Recovery().OnClose(true);
             InjectWriteFault(WriteStep::None, 0);
             EXPECT_EQ(failed.Reason, std::strerror(EROFS));
             EXPECT_TRUE(QFileInfo::exists(offered[0].Path)) << "the copy before stays whole";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        c.run(dir.path());
    }
}
