// "画像保存": the map picture, exactly as shown, written as a PNG file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "TestApp.h"
#include "app/MapZoom.h"
#include "app/Unit1.h"
#include "view/MapRenderer.h"

namespace {

// Bumped after every test, so a pending answer never reaches the next one.
int generation = 0;

// Runs `answer` on the next modal widget of the given kind once it is up.
template <class Modal>
void Answer(std::function<void(Modal*)> answer, int triesLeft = 3000, int gen = generation)
{
    QTimer::singleShot(5, [=] {
        if (gen != generation)
            return;
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget()))
            answer(modal);
        else if (triesLeft > 0)
            Answer<Modal>(answer, triesLeft - 1, gen);
    });
}

struct DialogSeen {
    QString Title;
    QStringList Filters;
    QString Suffix;
};

// Answers the save dialog with `path` (cancels it when empty).
void ChoosePicture(const QString& path, DialogSeen* seen = nullptr)
{
    Answer<QFileDialog>([=](QFileDialog* dialog) {
        if (seen)
            *seen = {dialog->windowTitle(), dialog->nameFilters(), dialog->defaultSuffix()};
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // the dialog's own checks run
    });
}

QImage Shown(TestApp& app)
{
    return app.Form1().Renderer->Picture().convertToFormat(QImage::Format_RGB32);
}

class PictureSave : public ::testing::Test {
protected:
    void TearDown() override { ++generation; }
};

TEST_F(PictureSave, WritesExactlyThePictureShown)
{
    TestApp app;
    // Outlines on and a panel changed, so "as shown" differs from a fresh draw.
    Control<QToolButton>(app.Form1(), "SpeedButton4")->click();
    app.Doc().SetCell(2, 3, MapCell{7, 2, 1});
    app.Form1().Renderer->DrawCell(2, 3);

    DialogSeen seen;
    ChoosePicture(app.Path("island"), &seen);
    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
    EXPECT_EQ(seen.Title, QStringLiteral("Tidemark擬似Map 画像保存"));
    EXPECT_EQ(seen.Filters, QStringList{QStringLiteral("PNG画像 (*.png)")});
    EXPECT_EQ(seen.Suffix, QStringLiteral("png"));

    // The default suffix is added to a bare name.
    const QImage saved(app.Path("island.png"), "PNG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_TRUE(saved.convertToFormat(QImage::Format_RGB32) == Shown(app));
    EXPECT_TRUE(app.messages.isEmpty());

    // Ctrl+Shift+C copies the same picture, also while zoomed.
    app.Form1().Zoom->Set(50);
    app.Form1().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.Form1()));
    QApplication::clipboard()->clear();
    QTest::keyClick(&app.Form1(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32) ==
                saved.convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureSave, CancelWritesNothing)
{
    TestApp app;
    ChoosePicture(QString());
    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
    EXPECT_EQ(QDir(app.folder.path()).entryList({"*.png"}, QDir::Files), QStringList());
    EXPECT_TRUE(app.messages.isEmpty());
}

TEST_F(PictureSave, AFailedWriteIsReported)
{
    TestApp app;
    // Even root cannot create a file below a regular file.
    QFile plain(app.Path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("not a folder");
    plain.close();
    ChoosePicture(app.Path("plain/map.png"));
    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
    ASSERT_EQ(app.messages.size(), 1);  // with the system's reason
    EXPECT_TRUE(app.messages[0].startsWith(app.Path("plain/map.png") + " に書き込めません: ")) << app.messages[0].toStdString();
    EXPECT_EQ(plain.size(), 12);
}

TEST_F(PictureSave, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    TestApp app;
    QFile old(app.Path("old.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    // "No": back in the dialog, which is then cancelled.
    ChoosePicture(app.Path("old.png"));
    Answer<QMessageBox>([](QMessageBox* box) {
        box->button(QMessageBox::No)->click();
        Answer<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    });
    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
    EXPECT_EQ(old.size(), 3);

    ChoosePicture(app.Path("old.png"));
    Answer<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    Control<QToolButton>(app.Form1(), "SpeedButton_Png")->click();
    EXPECT_TRUE(QImage(app.Path("old.png"), "PNG").convertToFormat(QImage::Format_RGB32) == Shown(app));
}

}  // namespace
