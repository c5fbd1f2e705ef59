#pragma once
#include <QListWidget>

class QMenu;
class RecentFiles;

// The recent map files on the "ファイル" tab: the file name shown, the full
// path as hint; a double-click asks to open it. The same files, each with
// its whole name, are on the drop-down of "Load", which can be as wide as
// the names need.
class RecentMapsList : public QListWidget {
    Q_OBJECT
public:
    // Fills its tab from where it is placed down, without a layout: a small
    // map's window may be lower than the buttons and the list together.
    explicit RecentMapsList(QWidget* tab);
    void Show(const RecentFiles& files);
    QString PathAt(int row) const;
    QMenu* Menu() const { return menu; }

signals:
    void openRequested(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* menu;
};
