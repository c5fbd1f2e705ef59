#include "app/RecentMapsList.h"

#include <QDir>
#include <QFileInfo>

#include "settings/RecentFiles.h"

RecentMapsList::RecentMapsList(QWidget* parent) : QListWidget(parent)
{
    setTextElideMode(Qt::ElideMiddle);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit openRequested(item->data(Qt::UserRole).toString());
    });
}

void RecentMapsList::Show(const RecentFiles& files)
{
    clear();
    for (const std::string& path : files.Paths()) {
        const QString full = QString::fromStdString(path);
        auto* item = new QListWidgetItem(QFileInfo(full).fileName(), this);
        item->setToolTip(QDir::toNativeSeparators(full));
        item->setData(Qt::UserRole, full);
    }
}

QString RecentMapsList::PathAt(int row) const
{
    const QListWidgetItem* it = item(row);
    return it ? it->data(Qt::UserRole).toString() : QString();
}
