#include "app/RecentMapsList.h"

#include "files/NativePath.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>

#include "settings/RecentFiles.h"

namespace {
// How much of the folder a drop-down entry shows after the name.
constexpr int FolderWidth = 240;
}  // namespace

RecentMapsList::RecentMapsList(QWidget* tab) : QListWidget(tab), menu(new QMenu(this))
{
    setTextElideMode(Qt::ElideMiddle);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    menu->setToolTipsVisible(true);
    tab->installEventFilter(this);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit openRequested(item->data(Qt::UserRole).toString());
    });
}

bool RecentMapsList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parent()) {
        const QSize tab = parentWidget()->size();
        setGeometry(2, y(), tab.width() - 4, std::max(0, tab.height() - y() - 2));
    }
    return QListWidget::eventFilter(watched, event);
}

void RecentMapsList::Show(const RecentFiles& files)
{
    clear();
    menu->clear();
    for (const std::string& path : files.Paths()) {
        const QString full = PathFromNative(path);
        const QFileInfo info(full);
        const QString shown = ReadablePath(info.fileName());
        auto* item = new QListWidgetItem(shown, this);
        item->setToolTip(ReadablePath(QDir::toNativeSeparators(full)));
        item->setData(Qt::UserRole, full);
        // The whole name first; only the folder is shortened.
        const QString folder =
            fontMetrics().elidedText(ReadablePath(QDir::toNativeSeparators(info.path())), Qt::ElideLeft, FolderWidth);
        QAction* action = menu->addAction(shown + QStringLiteral("    ") + folder);
        action->setToolTip(item->toolTip());
        connect(action, &QAction::triggered, this, [this, full] { emit openRequested(full); });
    }
    menu->setEnabled(!files.Paths().empty());
}

QString RecentMapsList::PathAt(int row) const
{
    const QListWidgetItem* it = item(row);
    return it ? it->data(Qt::UserRole).toString() : QString();
}
