#include "app/MainStatus.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>

#include "document/File1.h"
#include "session/MapSession.h"
#include "session/RecoveryCopy.h"
#include "stats/LiveFigures.h"

namespace {

QString RecoveryFailureText()
{
    return QCoreApplication::translate("MainStatus", "復元用ファイルを書き込めません: ");
}

}  // namespace

MainStatus::MainStatus(QStatusBar* bar, QLabel* cellPlace, QLabel* cellPanel, QLabel* figures, MapSession& session,
                       LiveFigures& live)
    : QObject(bar), bar(bar), cellPlace(cellPlace), cellPanel(cellPanel), figures(figures)
{
    connect(&session, &MapSession::recoveryWriteFailed, this,
            [this](const QString& reason) { this->bar->showMessage(RecoveryFailureText() + reason); });
    // The failure line stays until a copy is written again.
    connect(&session.Recovery(), &RecoveryCopy::written, this, [this] {
        if (this->bar->currentMessage().startsWith(RecoveryFailureText()))
            this->bar->clearMessage();
    });
    // The cell under the pointer may have changed under it (an edit, undo, redo).
    connect(&session, &MapSession::changed, this, [this, &session] { ShowCursor(session.Doc()); });
    // Until the next load or save.
    connect(&session, &MapSession::markedChangedOnDiskChanged, this, [this, &session](bool marked) {
        const QString text = QCoreApplication::translate("MainStatus", "%1 は他で変更されています")
                                 .arg(QDir::toNativeSeparators(session.FilePath()));
        if (marked)
            this->bar->showMessage(text);
        else if (this->bar->currentMessage().endsWith(
                     QCoreApplication::translate("MainStatus", " は他で変更されています")))
            this->bar->clearMessage();
    });
    connect(&live, &LiveFigures::operationChanged, this, [this](const QString& text) {
        this->figures->setText(text);
        this->figures->setToolTip(text);  // a narrow window cuts the line short
    });
}

void MainStatus::ShowCursor(const TTileData& doc)
{
    if (!doc.CursorValid) {
        cellPlace->clear();
        cellPanel->clear();
        return;
    }
    cellPlace->setText(QStringLiteral("(%1,%2)").arg(doc.CursorX).arg(doc.CursorY));
    const MapCell c = doc.GetCell(doc.CursorX, doc.CursorY);
    cellPanel->setText(QString::fromStdString(doc.NameOfNo(c.Panel)) + QLatin1Char(' ') +
                       QString::fromStdString(doc.ValueText(doc.CursorX, doc.CursorY)));
}

void MainStatus::ShowUnreadableCopies(const QStringList& problems)
{
    if (!problems.isEmpty())
        bar->showMessage(QCoreApplication::translate("MainStatus", "復元用ファイルを読み込めません: ") +
                         problems.join(QStringLiteral("; ")));
}
