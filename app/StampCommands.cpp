#include "app/StampCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>

#include "app/MapFileDialogs.h"
#include "app/MapTools.h"
#include "app/StampTab.h"
#include "session/MapSession.h"

namespace {
// "スタンプのパネル 40, 41 はカタログにありません": what a stamp could not bring.
QString MissingPanelsText(const std::vector<int>& panels)
{
    QStringList numbers;
    for (const int panel : panels)
        numbers << QString::number(panel);
    return QCoreApplication::translate("Unit1Files", "スタンプのパネル %1 はカタログにありません (その他を置きます)")
        .arg(numbers.join(QStringLiteral(", ")));
}
}  // namespace

StampCommands::StampCommands(MapSession& session, MapTools& tools, MapFileDialogs& files, StampTab& tab,
                             QTabWidget* tabs, QAction* save, QStatusBar* status, const QString& folder)
    : QObject(&tab), session_(session), tools_(tools), files_(files), tab_(tab), status_(status), folder_(folder)
{
    connect(save, &QAction::triggered, this, &StampCommands::SaveSelectionAsStamp);
    connect(&tab, &StampTab::saveRequested, this, &StampCommands::SaveSelectionAsStamp);
    connect(&tab, &StampTab::stampChosen, this, &StampCommands::PlaceStamp);
    connect(&tab, &StampTab::islandChosen, this, &StampCommands::OpenStampAsMap);
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] {
        if (tabs->currentWidget() == &tab_)
            ListOnce();
    });
}

void StampCommands::ListOnce()
{
    if (tab_.Folder().isEmpty())
        tab_.SetFolder(folder_);
}

void StampCommands::PlaceStamp(const Stamp& stamp)
{
    const std::vector<int> missing = MissingPanels(stamp.Cells, session_.Doc());
    if (!missing.empty())
        status_->showMessage(MissingPanelsText(missing));
    tools_.Float(WithoutPanels(stamp.Cells, missing));
}

void StampCommands::OpenStampAsMap(const Stamp& stamp)
{
    if (!files_.ConfirmDiscard())
        return;
    const map_shapes::Block& block = stamp.Cells;
    const int top = block.OriginOdd ? 1 : 0;
    session_.NewMap(std::clamp(block.Rows - 1 + top, 0, GridSize - 1), std::clamp(block.Columns - 1, 0, GridSize - 1));
    const std::vector<int> missing = MissingPanels(block, session_.Doc());
    session_.BeginOperation();
    session_.ApplyEdits(map_shapes::PlaceBlock(session_.Doc(), WithoutPanels(block, missing), {0, top}));
    session_.EndOperation();
    emit mapSizeChanged();
    if (!missing.empty())
        status_->showMessage(MissingPanelsText(missing));
}

void StampCommands::SaveSelectionAsStamp()
{
    const map_shapes::Block block = tools_.SelectionBlock();
    if (block.Empty()) {
        status_->showMessage(QCoreApplication::translate("Unit1Files", "保存する範囲を範囲選択 (S) で選んでください"));
        return;
    }
    ListOnce();
    tab_.SaveBlock(block);
}
