#pragma once
#include <QListWidget>

class RecentFiles;

// The recent map files on the "ファイル" tab: the file name shown, the full
// path as hint; a double-click asks to open it.
class RecentMapsList : public QListWidget {
    Q_OBJECT
public:
    explicit RecentMapsList(QWidget* parent = nullptr);
    void Show(const RecentFiles& files);
    QString PathAt(int row) const;

signals:
    void openRequested(const QString& path);
};
