#pragma once
#include <QObject>
#include <QPoint>
#include <QStringList>

class QWidget;

// Makes widgets accept files dropped from the desktop and hands the full
// paths, in the order the platform gives them, on with fileDropped.
class TDropDst : public QObject {
    Q_OBJECT
public:
    explicit TDropDst(QObject* parent = nullptr) : QObject(parent) {}
    void Attach(QWidget* target);

signals:
    void fileDropped(const QStringList& files, QPoint point);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
