#pragma once
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>

class QWidget;

// Makes widgets accept files dropped from the desktop and hands the full
// paths, in the order the platform gives them, to OnFileDrop.
class TDropDst : public QObject {
    Q_OBJECT
public:
    explicit TDropDst(QObject* parent = nullptr) : QObject(parent) {}
    void Attach(QWidget* target);

    std::function<void(const QStringList& files, QPoint point)> OnFileDrop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
