#include "app/StampTab.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/Messages.h"
#include "document/File1.h"
#include "view/MapRenderer.h"
#include "widgets/FlatButton.h"

namespace {

constexpr int IconSide = 48;
constexpr int PathRole = Qt::UserRole;

// A file name from a stamp's name: what the file system may hold, kept
// readable.
QString FileNameFor(const QString& name)
{
    QString base = name.trimmed();
    for (QChar& c : base)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20)
            c = QLatin1Char('_');
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QStringLiteral("stamp"));
    return base.left(100) + QString::fromLatin1(StampSuffix);
}

}  // namespace

StampTab::StampTab(const TTileData& catalogue, QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), list_(new QTreeWidget)
{
    auto* buttons = new QWidget;
    buttons->setFixedHeight(22);
    save_ = FlatButton(buttons, QStringLiteral("保存"), QRect(0, 0, 30, 22));
    rename_ = FlatButton(buttons, QStringLiteral("名前"), QRect(30, 0, 30, 22));
    remove_ = FlatButton(buttons, QStringLiteral("削除"), QRect(60, 0, 30, 22));
    save_->setToolTip(QStringLiteral("選択範囲をスタンプとして保存 (Ctrl+Shift+B)"));
    rename_->setToolTip(QStringLiteral("スタンプの名前を変更"));
    remove_->setToolTip(QStringLiteral("スタンプを削除"));
    list_->setHeaderHidden(true);
    list_->setIconSize(QSize(IconSide, IconSide));
    list_->setIndentation(6);
    list_->setAccessibleName(QStringLiteral("スタンプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttons);
    layout->addWidget(list_);
    connect(save_, &QToolButton::clicked, this, &StampTab::saveRequested);
    connect(rename_, &QToolButton::clicked, this, &StampTab::Rename);
    connect(remove_, &QToolButton::clicked, this, &StampTab::Remove);
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Choose(item, false); });
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Choose(item, true); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
        const bool stamp = !ChosenPath().isEmpty();
        rename_->setEnabled(stamp);
        remove_->setEnabled(stamp);
    });
    rename_->setEnabled(false);
    remove_->setEnabled(false);
}

StampTab::~StampTab() = default;

void StampTab::SetFolder(const QString& folder)
{
    folder_ = folder;
    Reload();
}

int StampTab::Count() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(list_); *it; ++it)
        count += !(*it)->data(0, PathRole).toString().isEmpty();
    return count;
}

void StampTab::CatalogueChanged()
{
    scratch_.reset();
    renderer_.reset();
    pictures_.clear();
    Reload();
}

QPixmap StampTab::PictureOf(const StampEntry& entry)
{
    const QString path = QString::fromStdString(entry.Path);
    const QFileInfo info(path);
    Picture& picture = pictures_[path];
    const qint64 time = info.lastModified().toMSecsSinceEpoch();
    if (picture.size == info.size() && picture.time == time)
        return picture.pixmap;
    const StampRead read = ReadStampFile(entry.Path);
    if (!read.Status)
        return {};
    if (!scratch_) {
        // The window's catalogue, on a map of its own.
        scratch_ = std::make_unique<TTileData>();
        scratch_->ExePath = catalogue_.ExePath;
        for (int i = 0; i < catalogue_.TileCount; ++i)
            scratch_->AddTile(catalogue_.GetTile(i));
        for (int i = 0; i < catalogue_.MaskCount; ++i)
            scratch_->AddMaskTile(catalogue_.GetMaskTile(i));
        renderer_ = std::make_unique<MapRenderer>(*scratch_);
    }
    const QImage drawn = StampPicture(*scratch_, *renderer_, WithoutPanels(read.Stamp.Cells, MissingPanels(read.Stamp.Cells, *scratch_)));
    picture = {info.size(), time,
               QPixmap::fromImage(drawn.scaled(IconSide, IconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation))};
    return picture.pixmap;
}

void StampTab::Reload()
{
    const QString chosen = ChosenPath();
    list_->clear();
    if (folder_.isEmpty())
        return;
    const StampList stamps = ListStamps(folder_.toStdString());
    QHash<QString, QTreeWidgetItem*> groups;
    for (const StampEntry& entry : stamps.Entries) {
        const QString group = QString::fromStdString(entry.Group);
        QTreeWidgetItem* parent = nullptr;
        if (!group.isEmpty()) {
            parent = groups.value(group);
            if (!parent) {
                parent = new QTreeWidgetItem(list_, {group});
                parent->setExpanded(true);
                parent->setFlags(Qt::ItemIsEnabled);
                groups.insert(group, parent);
            }
        }
        const QString name = QString::fromStdString(entry.Name);
        const QString description = QString::fromStdString(entry.Description);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(list_);
        item->setText(0, name);
        item->setIcon(0, PictureOf(entry));
        item->setData(0, PathRole, QString::fromStdString(entry.Path));
        item->setData(0, Qt::AccessibleTextRole, name);
        item->setToolTip(0, QStringLiteral("%1\n%2 × %3%4")
                                .arg(name)
                                .arg(entry.Columns)
                                .arg(entry.Rows)
                                .arg(description.isEmpty() ? QString() : QLatin1Char('\n') + description));
        if (item->data(0, PathRole).toString() == chosen)
            list_->setCurrentItem(item);
    }
    // Pictures of files that are gone are forgotten.
    for (auto it = pictures_.begin(); it != pictures_.end();)
        it = QFileInfo::exists(it.key()) ? std::next(it) : pictures_.erase(it);
}

QString StampTab::ChosenPath() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, PathRole).toString() : QString();
}

void StampTab::Choose(QTreeWidgetItem* item, bool open)
{
    const QString path = item ? item->data(0, PathRole).toString() : QString();
    if (path.isEmpty())
        return;
    const StampRead read = ReadStampFile(path.toStdString());
    if (!read.Status) {
        ShowMessage(this, QStringLiteral("スタンプを読み込めません"),
                    QStringLiteral("%1: %2").arg(path, QString::fromStdString(read.Status.Reason)));
        Reload();
        return;
    }
    const map_shapes::Block& cells = read.Stamp.Cells;
    if (open && cells.Columns >= IslandSide && cells.Rows >= IslandSide)
        emit islandChosen(read.Stamp);
    else
        emit stampChosen(read.Stamp);
}

bool StampTab::SaveBlock(const map_shapes::Block& block)
{
    if (block.Empty() || folder_.isEmpty())
        return false;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("スタンプとして保存"), QStringLiteral("名前:"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return false;
    // Into the group of the chosen stamp, else the folder itself.
    QString where = folder_;
    if (const QTreeWidgetItem* item = list_->currentItem()) {
        const QTreeWidgetItem* group = item->data(0, PathRole).toString().isEmpty() ? item : item->parent();
        if (group)
            where += QLatin1Char('/') + group->text(0);
    }
    QDir().mkpath(where);
    QString path = where + QLatin1Char('/') + FileNameFor(name);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = where + QLatin1Char('/') + FileNameFor(name + QStringLiteral(" %1").arg(n));
    const Result written = WriteStampFile(path.toStdString(), Stamp{name.toStdString(), {}, block});
    if (!written) {
        ShowError(this, QStringLiteral("%1 に書き込めません: %2").arg(path, QString::fromStdString(written.Reason)));
        return false;
    }
    Reload();
    return true;
}

void StampTab::Rename()
{
    const QString path = ChosenPath();
    StampRead read = ReadStampFile(path.toStdString());
    if (path.isEmpty() || !read.Status)
        return;
    bool ok = false;
    const QString name = QInputDialog::getText(this, QStringLiteral("スタンプの名前"), QStringLiteral("名前:"),
                                               QLineEdit::Normal, QString::fromStdString(read.Stamp.Name), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    read.Stamp.Name = name.toStdString();
    if (const Result written = WriteStampFile(path.toStdString(), read.Stamp); !written)
        ShowError(this, QStringLiteral("%1 に書き込めません: %2").arg(path, QString::fromStdString(written.Reason)));
    Reload();
}

void StampTab::Remove()
{
    const QString path = ChosenPath();
    if (path.isEmpty())
        return;
    const QString name = list_->currentItem()->text(0);
    if (QMessageBox::question(this, QStringLiteral("ISPLN"), QStringLiteral("スタンプ「%1」を削除しますか？").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QFile file(path);
    if (!file.remove())
        ShowError(this, QStringLiteral("%1 を削除できません: %2").arg(path, file.errorString()));
    Reload();
}
