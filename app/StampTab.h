#pragma once
#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <vector>

#include "files/StampFile.h"

class MapRenderer;
class QComboBox;
class QListWidget;
class QListWidgetItem;
class QToolButton;
class TTileData;

// The tab "スタンプ": the stamps of the Stamps/ folder beside isplan.ini,
// a group (subfolder) at a time or all, each stamp with its picture (drawn by
// the map renderer with the window's catalogue, kept until its file
// changes), its name and its description. A click makes a stamp the
// floating block; a double click on a whole island opens it as a new map.
// "保存" saves the selection as a stamp; rename and delete act on the
// chosen one.
class StampTab : public QWidget {
    Q_OBJECT
public:
    explicit StampTab(QWidget* parent = nullptr);
    StampTab(const TTileData& catalogue, QWidget* parent = nullptr);
    // The catalogue whose pictures the stamps are drawn with.
    void SetCatalogue(const TTileData& catalogue);
    ~StampTab() override;

    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }
    // Lists the folder again; pictures of unchanged files are reused.
    void Reload();
    // The catalogue's kinds or pictures changed: every picture is drawn anew.
    void CatalogueChanged();
    // Asks a name and writes `block` as a stamp into the chosen group (or
    // the folder); false when cancelled or refused (said).
    bool SaveBlock(const map_shapes::Block& block);
    int Count() const;  // stamps listed

    // A stamp whose size is at least this both ways is a whole island.
    static constexpr int IslandSide = 12;

signals:
    void stampChosen(const Stamp& stamp);
    void islandChosen(const Stamp& stamp);
    // "保存" without a selection to save.
    void saveRequested();

private:
    struct Picture {
        qint64 size = -1;
        qint64 time = 0;
        QPixmap pixmap;
    };
    QPixmap PictureOf(const StampEntry& entry);
    void Choose(QListWidgetItem* item, bool open);
    void ShowGroup();
    void Rename();
    void Remove();
    QString ChosenPath() const;

    const TTileData* catalogue_ = nullptr;
    std::unique_ptr<TTileData> scratch_;
    std::unique_ptr<MapRenderer> renderer_;
    QString folder_;
    QComboBox* groups_;
    QListWidget* list_;
    std::vector<StampEntry> entries_;
    QToolButton* save_;
    QToolButton* rename_;
    QToolButton* remove_;
    QHash<QString, Picture> pictures_;
};
