#include "app/DropDst.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

void TDropDst::Attach(QWidget* target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool TDropDst::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList files;
        for (const QUrl& url : drop->mimeData()->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
        if (!files.isEmpty()) {
            drop->acceptProposedAction();
            emit fileDropped(files, drop->position().toPoint());
        }
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
