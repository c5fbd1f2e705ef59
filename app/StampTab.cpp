#include "app/StampTab.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QToolButton>
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

StampTab::StampTab(const TTileData& catalogue, QWidget* parent) : StampTab(parent)
{
    SetCatalogue(catalogue);
}

void StampTab::SetCatalogue(const TTileData& catalogue)
{
    catalogue_ = &catalogue;
    CatalogueChanged();
}

StampTab::StampTab(QWidget* parent) : QWidget(parent), groups_(new QComboBox), list_(new QListWidget)
{
    // The side panel is narrow: the buttons take two rows, the pictures one
    // column with their names under them.
    auto* buttons = new QWidget;
    buttons->setFixedHeight(44);
    save_ = FlatButton(buttons, QCoreApplication::translate("StampTab", "保存"), QRect(0, 0, 64, 22));
    rename_ = FlatButton(buttons, QCoreApplication::translate("StampTab", "名前"), QRect(0, 22, 32, 22));
    remove_ = FlatButton(buttons, QCoreApplication::translate("StampTab", "削除"), QRect(32, 22, 32, 22));
    save_->setToolTip(QCoreApplication::translate("StampTab", "選択範囲をスタンプとして保存 (Ctrl+Shift+B)"));
    rename_->setToolTip(QCoreApplication::translate("StampTab", "スタンプの名前を変更"));
    remove_->setToolTip(QCoreApplication::translate("StampTab", "スタンプを削除"));
    groups_->setAccessibleName(QCoreApplication::translate("StampTab", "スタンプのグループ"));
    groups_->setToolTip(groups_->accessibleName());
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setIconSize(QSize(IconSide, IconSide));
    list_->setGridSize(QSize(IconSide + 10, IconSide + 30));
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setAccessibleName(QCoreApplication::translate("StampTab", "スタンプ"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttons);
    layout->addWidget(groups_);
    layout->addWidget(list_);
    connect(save_, &QToolButton::clicked, this, &StampTab::saveRequested);
    connect(rename_, &QToolButton::clicked, this, &StampTab::Rename);
    connect(remove_, &QToolButton::clicked, this, &StampTab::Remove);
    connect(groups_, &QComboBox::currentIndexChanged, this, &StampTab::ShowGroup);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Choose(item, false); });
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Choose(item, true); });
    connect(list_, &QListWidget::currentItemChanged, this, [this] {
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
    return static_cast<int>(entries_.size());
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
    if (!read.Status || !catalogue_)
        return {};
    if (!scratch_) {
        // The window's catalogue, on a map of its own.
        scratch_ = std::make_unique<TTileData>();
        scratch_->ExePath = catalogue_->ExePath;
        for (int i = 0; i < catalogue_->TileCount; ++i)
            scratch_->AddTile(catalogue_->GetTile(i));
        for (int i = 0; i < catalogue_->MaskCount; ++i)
            scratch_->AddMaskTile(catalogue_->GetMaskTile(i));
        renderer_ = std::make_unique<MapRenderer>(*scratch_);
    }
    const QImage drawn = StampPicture(*scratch_, *renderer_, WithoutPanels(read.Stamp.Cells, MissingPanels(read.Stamp.Cells, *scratch_)));
    picture = {info.size(), time,
               QPixmap::fromImage(drawn.scaled(IconSide, IconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation))};
    return picture.pixmap;
}

void StampTab::Reload()
{
    entries_ = folder_.isEmpty() ? std::vector<StampEntry>{} : ListStamps(folder_.toStdString()).Entries;
    const QString group = groups_->count() > 0 ? groups_->currentData().toString() : QStringLiteral("\n");
    QStringList names;
    for (const StampEntry& entry : entries_)
        if (!names.contains(QString::fromStdString(entry.Group)))
            names << QString::fromStdString(entry.Group);
    const QSignalBlocker quiet(groups_);
    groups_->clear();
    groups_->addItem(QCoreApplication::translate("StampTab", "すべて"), QStringLiteral("\n"));  // no folder has that name
    for (const QString& name : names)
        groups_->addItem(name.isEmpty() ? QCoreApplication::translate("StampTab", "(なし)") : name, name);
    groups_->setCurrentIndex(std::max(0, groups_->findData(group)));
    ShowGroup();
    // Pictures of files that are gone are forgotten.
    for (auto it = pictures_.begin(); it != pictures_.end();)
        it = QFileInfo::exists(it.key()) ? std::next(it) : pictures_.erase(it);
}

void StampTab::ShowGroup()
{
    const QString chosen = ChosenPath();
    const QString group = groups_->currentData().toString();
    list_->clear();
    for (const StampEntry& entry : entries_) {
        if (group != QStringLiteral("\n") && QString::fromStdString(entry.Group) != group)
            continue;
        const QString name = QString::fromStdString(entry.Name);
        const QString description = QString::fromStdString(entry.Description);
        auto* item = new QListWidgetItem(PictureOf(entry), name, list_);
        item->setData(PathRole, QString::fromStdString(entry.Path));
        item->setData(Qt::AccessibleTextRole, name);
        item->setToolTip(QStringLiteral("%1\n%2 × %3%4")
                             .arg(name)
                             .arg(entry.Columns)
                             .arg(entry.Rows)
                             .arg(description.isEmpty() ? QString() : QLatin1Char('\n') + description));
        if (item->data(PathRole).toString() == chosen)
            list_->setCurrentItem(item);
    }
}

QString StampTab::ChosenPath() const
{
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(PathRole).toString() : QString();
}

void StampTab::Choose(QListWidgetItem* item, bool open)
{
    const QString path = item ? item->data(PathRole).toString() : QString();
    if (path.isEmpty())
        return;
    const StampRead read = ReadStampFile(path.toStdString());
    if (!read.Status) {
        ShowMessage(this, QCoreApplication::translate("StampTab", "スタンプを読み込めません"),
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
    const QString name = QInputDialog::getText(this, QCoreApplication::translate("StampTab", "スタンプとして保存"), QCoreApplication::translate("StampTab", "名前:"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return false;
    // Into the group shown, else the folder itself.
    QString where = folder_;
    if (const QString group = groups_->currentData().toString(); group != QStringLiteral("\n") && !group.isEmpty())
        where += QLatin1Char('/') + group;
    QDir().mkpath(where);
    QString path = where + QLatin1Char('/') + FileNameFor(name);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = where + QLatin1Char('/') + FileNameFor(name + QStringLiteral(" %1").arg(n));
    const Result written = WriteStampFile(path.toStdString(), Stamp{name.toStdString(), {}, block});
    if (!written) {
        ShowError(this, QCoreApplication::translate("StampTab", "%1 に書き込めません: %2").arg(path, QString::fromStdString(written.Reason)));
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
    const QString name = QInputDialog::getText(this, QCoreApplication::translate("StampTab", "スタンプの名前"), QCoreApplication::translate("StampTab", "名前:"),
                                               QLineEdit::Normal, QString::fromStdString(read.Stamp.Name), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    read.Stamp.Name = name.toStdString();
    if (const Result written = WriteStampFile(path.toStdString(), read.Stamp); !written)
        ShowError(this, QCoreApplication::translate("StampTab", "%1 に書き込めません: %2").arg(path, QString::fromStdString(written.Reason)));
    Reload();
}

void StampTab::Remove()
{
    const QString path = ChosenPath();
    if (path.isEmpty())
        return;
    const QString name = list_->currentItem()->text();
    if (QMessageBox::question(this, QStringLiteral("ISPLN"), QCoreApplication::translate("StampTab", "スタンプ「%1」を削除しますか？").arg(name),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    QFile file(path);
    if (!file.remove())
        ShowError(this, QCoreApplication::translate("StampTab", "%1 を削除できません: %2").arg(path, file.errorString()));
    Reload();
}
